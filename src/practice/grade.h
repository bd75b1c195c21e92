// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "controls/translation.h"
#include "platform/platform.h"

enum class Grade { Right, Nearly, Wrong };

// Right below `rightBelow`, nearly right below `nearlyBelow`, wrong from there on.
Grade gradeOfError(double error, double rightBelow, double nearlyBelow);

// What Check tells the student. The pages praise in their own words (the protractor's
// "done" is lower-case); the nearly and wrong messages are the same everywhere.
struct Verdict {
    Grade grade;
    std::string praise;
};

// The verdict's message box: information, warning or error.
// The praise of the ruler and ray movement pages.
inline std::string wellDone() {
    return text::translate("Practice", "Right!\rWell Done!");
}

void announce(Platform& platform, const Verdict& verdict);
