// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/screen_geometry.h"

// Picture coordinates have y growing downwards, so an angle θ names the screen direction
// (cos θ, sin θ) and growing angles turn clockwise on the screen.

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

// " 45.1°": the protractor shows one tenth of a degree more than it truncates to, and keeps
// that rule below zero too, where the sign is lost between −1° and 0°.
std::string angleReadingText(double radians);
// "Distance: 50.0": rounded to the nearest tenth of a pixel, halves up.
std::string distanceCaption(double pixels);
