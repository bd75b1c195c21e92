// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "controls/translation.h"

// What the status line says of a handle or a control under the mouse; the same texts
// describe them to assistive technology.
namespace hints {
inline std::string sourceHandle() {
    return text::translate("Hints", "Drag to change angle of incident ray.");
}
inline std::string aimHandle() {
    return text::translate("Hints", "Drag to move point of contact of incident ray.");
}
inline std::string middleHandle() {
    return text::translate("Hints", "Drag to move incident ray parallel");
}
inline std::string centreHandle() {
    return text::translate("Hints", "Drag to move position of lens.");
}
inline std::string reset() {
    //: The Reset button; "magnifaction" is a slip for "magnification".
    return text::translate(
        "Hints", "Moves lens to center of the screen and resets magnifaction to original size.");
}
inline std::string zoom() {
    return text::translate("Hints", "Zooms in or out on the optical device.");
}
inline std::string devicePage() {
    return text::translate("Hints", "Use to adjust lens properties.");
}
inline std::string measurementPage() {
    return text::translate("Hints", "Select type of measurement needed and protractor practice.");
}
}  // namespace hints
