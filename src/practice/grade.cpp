// SPDX-License-Identifier: MIT
#include "practice/grade.h"
#include "controls/translation.h"

#include <string>

Grade gradeOfError(double error, double rightBelow, double nearlyBelow) {
    if (error < rightBelow) {
        return Grade::Right;
    }
    return error < nearlyBelow ? Grade::Nearly : Grade::Wrong;
}

void announce(Platform& platform, const Verdict& verdict) {
    switch (verdict.grade) {
        case Grade::Right:
            platform.messageBox(verdict.praise, text::translate("Practice", "Information"),
                                MessageIcon::Information);
            break;
        case Grade::Nearly:
            platform.messageBox(
                text::translate("Practice", "Right!\rBut can you get the answer\ra little closer?"),
                text::translate("Practice", "Warning"), MessageIcon::Warning);
            break;
        case Grade::Wrong:
            platform.messageBox(text::translate("Practice", "Oops!\rTry again!"),
                                text::translate("Practice", "Error"), MessageIcon::Error);
            break;
    }
}
