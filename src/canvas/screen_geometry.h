// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"

// Points of a picture, whose y grows downwards: an angle θ names the screen direction
// (cos θ, sin θ), so growing angles turn clockwise on the screen.

// origin + (Trunc(dx), Trunc(dy)): each offset is truncated on its own before it is added,
// which is what keeps figures symmetric about their centre.
Point offsetPoint(Point origin, double dx, double dy);
// origin + radius·(cos angle, sin angle), each offset truncated; a negative radius gives the
// point mirrored through the origin.
Point polarPoint(Point origin, double radius, double angle);

// The arctangent of rise/run, in [−π/2, π/2]; a vertical run gives ±π/2 by the sign of
// the rise and coinciding points give 0.
double principalSlope(int rise, int run);
