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

// 2·centre − point.
Point mirrored(Point point, Point centre);

void strokeLine(Canvas& canvas, Point from, Point to);

// The direction from `from` towards `centre`, in (−π/2, 3π/2]. The practice protractor and
// the rulers (the practice window's and the bench's, whose tools share it) disagree only on
// which way to point when the two points coincide: the protractor points down (π/2), the
// rulers up (3π/2).
double directionTowards(Point from, Point centre);
double rulerDirectionTowards(Point aim, Point zeroEnd);

// The direction from `from` towards `to`, in (−π, π]; 0 when the two coincide.
double headingTowards(Point from, Point to);

// The arctangent of rise/run, in [−π/2, π/2]; a vertical run gives ±π/2 by the sign of
// the rise and coinciding points give 0.
double principalSlope(int rise, int run);
