// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "controls/controls.h"

// The "I am ...." dialog: the user types the name that prints under "Printed by: ". The
// program creates it once at start and shows it modally as often as the user asks; the
// name stays in Iam for the rest of the run. It has no Cancel and no close box: the name
// can only be confirmed.
class TWhoami {
  public:
    TWhoami();
    TWhoami(const TWhoami&) = delete;
    TWhoami& operator=(const TWhoami&) = delete;

    Form form;
    FocusTracker focus;
    GroupBox GroupBox1;
    EditBox Iam;  // in GroupBox1
    Label Label1;
    Button Button1;

    // Set by the view: Button1 asks it to close the dialog with the result OK.
    std::function<void()> closeRequested;

    void FormActivate();
    // A key typed into Iam: Enter presses Button1; other keys edit the name as usual.
    void IamKeyPress(char key);
};
