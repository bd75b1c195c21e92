// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "platform/random.h"

// A whole number of 10° steps, from −3 to 3 with 0 twice as likely as any other (4 only for
// a draw of exactly 0): Trunc(4 − 8r).
int exerciseStep(RandomSource& random);
// 180/7 degrees plus `step` steps of 10 degrees, in radians.
double targetRayAngle(int step);

// The grey interface line at `targetLineX` and the grey target ray ending on it at height
// `exerciseLength`, leaving up and to the left at `exerciseAngle`.
void drawRayTarget(Canvas& canvas, int targetLineX, double exerciseAngle, double exerciseLength);

// The torch whose lens is centred on `lens`, shining in `direction`: two beam strokes in the
// current pen, a yellow lens, the black body and a red arrowhead ahead of it.
void drawTorch(Canvas& canvas, Point lens, double direction);
