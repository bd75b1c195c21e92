// SPDX-License-Identifier: MIT
#pragma once

#include "controls/controls.h"

// What the main window's menus and switches have chosen, as typed values.

// The lens and prism bench, or the mirror bench: the device type, which the edition fixes.
enum class Edition { Refraction, Reflection };

// The bench's colour scheme; the scheme items carry these values in their Tags.
enum class ColourScheme { Colour = 0, BlackAndWhite = 1 };

// What the measuring tool measures; the Length and Angle buttons carry these in their Tags.
enum class MeasureMode { Length = 0, Angle = 1 };

// Which drag handle a shape is, and of which source (1..3; 0 for the centre handle).
enum class HandleRole { Source, Aim, Middle, Centre };
struct HandleOf {
    HandleRole role;
    int source;
};

// An aim handle's Tag is this plus its source's number; a source or middle handle's Tag is
// the number itself, the centre handle's 0.
inline constexpr int kAimHandleTags = 10;

inline HandleOf handleOf(const Shape& handle) {
    const int tag = carriedValue(handle);
    if (tag == 0) {
        return {HandleRole::Centre, 0};
    }
    if (tag > kAimHandleTags) {
        return {HandleRole::Aim, tag - kAimHandleTags};
    }
    return {handle.kind == ShapeKind::Square ? HandleRole::Middle : HandleRole::Source, tag};
}
