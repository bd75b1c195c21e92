// SPDX-License-Identifier: MIT
#include "practice/practice_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "controls/number_text.h"

using std::numbers::pi;

void ellipseBetween(Canvas& canvas, Point corner, Point oppositeCorner) {
    canvas.ellipse(std::min(corner.x, oppositeCorner.x), std::min(corner.y, oppositeCorner.y),
                   std::max(corner.x, oppositeCorner.x), std::max(corner.y, oppositeCorner.y));
}

void clearToWhite(Canvas& canvas) {
    canvas.brush = Brush{colours::white, BrushStyle::Solid};
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

std::string angleReadingText(double radians) {
    const double tenths = radians * 1800 / pi;
    const long long whole = static_cast<long long>(tenths + 1) / 10;
    const long long tenth = std::llabs(static_cast<long long>(tenths) + 1) % 10;
    return " " + std::to_string(whole) + "." + std::to_string(tenth) + "\u00B0";
}

std::string distanceCaption(double pixels) {
    return "Distance: " + tenthsText(static_cast<long long>((pixels + 0.05) * 10));
}
