// SPDX-License-Identifier: MIT
#pragma once

#include "bench/bench_state.h"
#include "canvas/canvas.h"
#include "window/choices.h"

// The four colours a colour scheme gives the bench.
struct SchemeColours {
    TColor source;
    TColor outline;
    TColor back;
    TColor fill;
    bool operator==(const SchemeColours&) const = default;
};

// Scheme 0 is "Color", 1 is "B/W".
SchemeColours schemeColours(ColourScheme scheme, bool threeColours);

// What one repaint of the device picture needs beyond the bench state.
struct DeviceDrawing {
    int widthPosition = 5;  // the width bar's position: the width in pixels at zoom 1
    Point deviceCentre;     // the centre handle's centre, bench pixels
    bool mirror = false;
    bool showGrid = true;
    bool showAxis = true;
    SchemeColours colours{};
    int redrawSpeed = 15;  // pixels between the outline's vertices
};

// Repaints the whole device picture (background, grid, device outline and fill, principal
// axis) and returns the leftmost x of the device's left surface as drawn.
int paintDevice(Canvas& canvas, const BenchFrame& bench, const DeviceDrawing& drawing);
