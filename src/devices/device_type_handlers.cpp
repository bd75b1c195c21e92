// SPDX-License-Identifier: MIT
// Lens or mirror: the device type the edition chooses at start.
#include "controls/translation.h"
#include "devices/devices_layer.h"

void DevicesLayer::Lens1Click(Control&) {
    od1.caption = text::translate("MainMenu", "Optical Device (Lens)");
    setDevice(Edition::Refraction);
    rightgb.visible = lenswlb.visible = widthsb.visible = llb.visible = true;
    leftgb.caption = text::translate("OpticalProperties", "Left Side");
    drawlensbtClick();
}

void DevicesLayer::Mirror1Click(Control&) {
    od1.caption = text::translate("MainMenu", "Optical Device (Mirror)");
    // A mirror has no right surface and no width of the user's choosing.
    rightgb.visible = lenswlb.visible = widthsb.visible = llb.visible = false;
    leftgb.caption = text::translate("OpticalProperties", "Mirror Type");
    setDevice(Edition::Reflection);
    drawlensbtClick();
}

// As a radio button's check does, a new device type runs lensrbClick, the same one nothing.
void DevicesLayer::setDevice(Edition device) {
    if (edition != device) {
        edition = device;
        lensrbClick();
    }
}

void DevicesLayer::lensrbClick() {
    form.caption = mirror() ? text::translate("MainWindow", "Reflection")
                            : text::translate("MainWindow", "Refraction");
    drawlensbtClick();
}
