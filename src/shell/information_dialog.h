// SPDX-License-Identifier: MIT
#pragma once

#include "controls/controls.h"

// The small "About" window: the edition's caption, product line and version line.
struct InformationDialog {
    InformationDialog() {
        form.caption = "About";
        form.clientWidth = 298;
        form.clientHeight = 150;
        productName.caption = "Product Name: ";
        version.caption = "Version 1.2";
        okButton.caption = "OK";
    }
    InformationDialog(const InformationDialog&) = delete;
    InformationDialog& operator=(const InformationDialog&) = delete;

    Form form;
    Label productName;
    Label version;
    Button okButton;
};
