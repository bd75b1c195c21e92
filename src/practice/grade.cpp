// SPDX-License-Identifier: MIT
#include "practice/grade.h"

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
            platform.messageBox(std::string(verdict.praise), "Information",
                                MessageIcon::Information);
            break;
        case Grade::Nearly:
            platform.messageBox("Right!\rBut can you get the answer\ra little closer?", "Warning",
                                MessageIcon::Warning);
            break;
        case Grade::Wrong:
            platform.messageBox("Oops!\rTry again!", "Error", MessageIcon::Error);
            break;
    }
}
