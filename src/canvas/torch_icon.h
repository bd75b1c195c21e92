// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"

// How a torch is drawn: a point source shows only its lens and beam strokes.
struct TorchLook {
    bool body = true;
    TColor arrow = colours::red;
};

// The torch whose lens is centred on `lens`, shining in `direction` (picture angles, y
// down): two beam strokes in the current pen, a yellow lens and, unless only the lens is
// wanted, the black body with its knobs and end cap and an arrowhead 40 pixels ahead.
// Both the bench and the practice window draw their light sources with it.
void drawTorchIcon(Canvas& canvas, Point lens, double direction, const TorchLook& look);

// Whether `at` lies on the torch drawn by drawTorchIcon with these arguments: on its lens, or,
// with a body, on the body or the end cap behind it (the beam strokes and the arrowhead are
// not the torch).
bool torchCovers(Point lens, double direction, const TorchLook& look, Point at);
