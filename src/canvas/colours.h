// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

// A colour as the drawing code speaks it: 0x00BBGGRR, so red is 0x0000FF.
using TColor = std::uint32_t;

constexpr TColor rgb(int r, int g, int b) {
    return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}

// Every colour the program names, once.
namespace colours {
inline constexpr TColor black = 0x000000;
inline constexpr TColor white = 0xFFFFFF;
inline constexpr TColor red = 0x0000FF;
inline constexpr TColor green = 0x008000;
inline constexpr TColor blue = 0xFF0000;
inline constexpr TColor yellow = 0x00FFFF;
inline constexpr TColor grey = 0x808080;

// The single traced colour and the light of the sources in the colour scheme.
inline constexpr TColor orange = 0x00B9FF;
// The bench in the colour scheme, and the windows' own background.
inline constexpr TColor cream = rgb(254, 253, 199);
// A lens's outline in the colour scheme.
inline constexpr TColor lightGrey = 0xF0F0F0;
// The options group and the practice window's control panel.
inline constexpr TColor optionsBrown = rgb(169, 150, 109);
// The bench panel's border.
inline constexpr TColor navy = rgb(0, 0, 128);
}  // namespace colours
