// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "canvas/canvas.h"
#include "canvas/screen_geometry.h"

// Picture coordinates have y growing downwards, so an angle θ names the screen direction
// (cos θ, sin θ) and growing angles turn clockwise on the screen.

// An ellipse given by any two opposite corners of its box.
void ellipseBetween(Canvas& canvas, Point corner, Point oppositeCorner);
// Paints the whole picture white; the one-pixel outline keeps whatever pen is current.
void clearToWhite(Canvas& canvas);

// " 45.1°": the protractor shows one tenth of a degree more than it truncates to, and keeps
// that rule below zero too, where the sign is lost between −1° and 0°.
std::string angleReadingText(double radians);
// "Distance: 50.0": rounded to the nearest tenth of a pixel, halves up.
std::string distanceCaption(double pixels);
