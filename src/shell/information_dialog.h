// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "controls/controls.h"
#include "controls/translation.h"

inline std::string versionCaption() {
    //: %1 is the version number.
    return text::arg(text::translate("AboutBox", "Version %1"), {"1.2"});
}

// The small "About" window: the edition's caption, product line and version line.
struct InformationDialog {
    InformationDialog() {
        form.caption = text::translate("AboutBox", "About");
        form.clientWidth = 298;
        form.clientHeight = 150;
        productName.caption = text::arg(text::translate("AboutBox", "Product Name: %1"), {""});
        version.caption = versionCaption();
        okButton.caption = text::translate("AboutBox", "OK");
    }
    InformationDialog(const InformationDialog&) = delete;
    InformationDialog& operator=(const InformationDialog&) = delete;

    Form form;
    Label productName;
    Label version;
    Button okButton;
};
