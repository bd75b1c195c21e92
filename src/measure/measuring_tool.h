// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "canvas/canvas.h"

// The bench's ruler and protractor. Directions are radians in bench pixels, y down, so a
// growing angle turns clockwise on the screen. A tool's arm runs from its origin against
// the arm's direction: the ruler's zero lies at the origin and its scale runs towards the
// arm point at origin - length * (cos, sin).

// Direction of the vector from p to the origin, in (-pi/2, 3pi/2]. A point on the origin
// gives 3pi/2.
double toolDirection(Point origin, Point p);

// "Distance = 10.0": the length in tool units, rounded half up to one decimal.
std::string lengthCaption(double units);

// "Angles are 90.1 Degrees or 90.0 Degrees.": alpha, the angle from the first arm to the
// second, with one tenth of a degree added, and its supplement. None when alpha lies
// outside 0..pi, with the second arm beyond the base line.
std::optional<std::string> angleCaption(double alpha);

// The ruler: its line, 36 marks 2.5 units apart (heavy every 10 units), and black bars
// across it at the origin and at the mouse point. scalePixels (zoomFactor x radiusUnit) is
// the length of 10 units. Leaves the pen 1 pixel wide.
void drawRuler(Canvas& canvas, Point origin, Point mouse, double theta, double scalePixels);

// The protractor without its base line: a short line across the centre, half circles of
// radius 100 and 30 over the directions theta..theta + pi, and a scale line every 15
// degrees between them.
void drawProtractor(Canvas& canvas, Point origin, double theta);

// The protractor's fixed 60-pixel base line, once its first arm is set.
void drawBaseLine(Canvas& canvas, Point origin, double theta);

// The second arm of an angle measurement, 100 pixels towards the mouse, in black.
void drawSecondArm(Canvas& canvas, Point origin, double phi);
