// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "canvas/canvas.h"

// Picture coordinates have y growing downwards, so an angle θ names the screen direction
// (cos θ, sin θ) and growing angles turn clockwise on the screen.

// origin + (Trunc(dx), Trunc(dy)): each offset is truncated on its own before it is added,
// which is what keeps figures symmetric about their centre.
Point offsetPoint(Point origin, double dx, double dy);
// origin + radius·(cos angle, sin angle), each offset truncated; a negative radius gives the
// point mirrored through the origin.
Point polarPoint(Point origin, double radius, double angle);
// 2·centre − point.
Point mirrored(Point point, Point centre);

void strokeLine(Canvas& canvas, Point from, Point to);
// An ellipse given by any two opposite corners of its box.
void ellipseBetween(Canvas& canvas, Point corner, Point oppositeCorner);
// Paints the whole picture white; the one-pixel outline keeps whatever pen is current.
void clearToWhite(Canvas& canvas);

// The direction from `from` towards `centre`, in (−π/2, 3π/2]. The two tools disagree only
// on which way to point when the two points coincide: the protractor points down, the
// ruler up.
double directionTowards(Point from, Point centre);
double rulerDirectionTowards(Point aim, Point zeroEnd);

// The arctangent of rise/run, in [−π/2, π/2]; a vertical run gives ±π/2 by the sign of
// the rise and coinciding points give 0.
double principalSlope(int rise, int run);

// " 45.1°": the protractor shows one tenth of a degree more than it truncates to, and keeps
// that rule below zero too, where the sign is lost between −1° and 0°.
std::string angleReadingText(double radians);
// "Distance: 50.0": rounded to the nearest tenth of a pixel, halves up.
std::string distanceCaption(double pixels);
