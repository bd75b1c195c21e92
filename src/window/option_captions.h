// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "controls/translation.h"

// Captions that carry a setting's value, the same at start as after each change.

//: The Options menu's item; %1 is the number of slits of each source.
inline std::string slitCountCaption(int slits) {
    return text::arg(text::translate("MainMenu", "Number of &Slits (%1)"), {std::to_string(slits)});
}

//: The Options menu's item; %1 is the number of light sources.
inline std::string rayCountCaption(const std::string& rays) {
    return text::arg(text::translate("MainMenu", "Number of &Rays (%1)"), {rays});
}

// The radius of curvature of one surface, in the slider's steps.
inline std::string radiusCaption(int radius) {
    return text::arg(text::translate("OpticalProperties", "Radius: %1"), {std::to_string(radius)});
}

// The zoom as a percentage of the slider's range.
inline std::string zoomCaption(int percent) {
    //: %1% is the zoom as a percentage, e.g. "Zoom: 25%".
    return text::arg(text::translate("OpticalProperties", "Zoom: %1%"), {std::to_string(percent)});
}

// An index slider's position as the index: 150 reads "1.50" ("1,50" in German), 105 "1.05".
inline std::string indexText(int position) {
    const int fraction = position % 100;
    return std::to_string(position / 100) + text::decimalSeparator() + (fraction < 10 ? "0" : "") +
           std::to_string(fraction);
}

inline std::string airIndexCaption(int position) {
    //: The refractive index of the medium around the device; %1 is the index (1.00).
    return text::arg(text::translate("OpticalProperties", "\"Air\": %1"), {indexText(position)});
}

inline std::string glassIndexCaption(int position) {
    //: The refractive index of the device's material; %1 is the index (1.50).
    return text::arg(text::translate("OpticalProperties", "\"Glass\": %1"), {indexText(position)});
}
