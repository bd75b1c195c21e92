// SPDX-License-Identifier: MIT
// Lens or mirror: the device type the edition chooses at start.
#include "shell/treframain.h"

void Treframain::Lens1Click(Control&) {
    od1.caption = "Optical Device (Lens)";
    lensrb.setChecked(true);
    rightgb.visible = lenswlb.visible = widthsb.visible = llb.visible = true;
    leftgb.caption = "Left Side";
    drawlensbtClick();
}

void Treframain::Mirror1Click(Control&) {
    od1.caption = "Optical Device (Mirror)";
    // A mirror has no right surface and no width of the user's choosing.
    rightgb.visible = lenswlb.visible = widthsb.visible = llb.visible = false;
    leftgb.caption = "Mirror Type";
    mirrorrb.setChecked(true);
    drawlensbtClick();
}

void Treframain::lensrbClick(Control&) {
    form.caption = lensrb.checked() ? "Refraction" : "Reflection";
    drawlensbtClick();
}
