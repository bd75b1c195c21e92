// SPDX-License-Identifier: MIT
#include "practice/practice_geometry.h"
#include "controls/translation.h"

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
    return " " + std::to_string(whole) + text::decimalSeparator() + std::to_string(tenth) +
           "\u00B0";
}

std::string distanceCaption(double pixels) {
    //: The practice ruler's reading, in pixels.
    return text::arg(text::translate("Practice", "Distance: %1"),
                     {tenthsText(static_cast<long long>((pixels + 0.05) * 10))});
}
