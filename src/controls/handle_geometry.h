// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "controls/controls.h"

// A drag handle is a small square shape lying above a picture; where it acts on the
// picture is the pixel under its centre.
inline constexpr int kHandleSize = 5;
inline constexpr int kHandleCentre = kHandleSize / 2;
// A dragged light source's handle keeps the mouse this far right of and below its corner.
inline constexpr int kSourceGrip = 3;

// The handle's centre in the pixels of the picture beneath it (both lie on one panel).
inline Point centreOnPicture(const Shape& handle, const Control& picture) {
    return {handle.left - picture.left + kHandleCentre, handle.top - picture.top + kHandleCentre};
}

// A torch's lamp is centred one pixel right of and below its handle's centre.
inline Point lampOnPicture(const Shape& handle, const Control& picture) {
    const Point centre = centreOnPicture(handle, picture);
    return {centre.x + 1, centre.y + 1};
}
