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
