// SPDX-License-Identifier: MIT
#include "practice/practice_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "canvas/pixel.h"

using std::numbers::pi;

Point mirrored(Point point, Point centre) {
    return {2 * centre.x - point.x, 2 * centre.y - point.y};
}

void strokeLine(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

void ellipseBetween(Canvas& canvas, Point corner, Point oppositeCorner) {
    canvas.ellipse(std::min(corner.x, oppositeCorner.x), std::min(corner.y, oppositeCorner.y),
                   std::max(corner.x, oppositeCorner.x), std::max(corner.y, oppositeCorner.y));
}

void clearToWhite(Canvas& canvas) {
    canvas.brush = Brush{colours::white, BrushStyle::Solid};
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

namespace {

double directionOfSlope(Point from, Point centre) {
    const double angle =
        std::atan(static_cast<double>(centre.y - from.y) / static_cast<double>(centre.x - from.x));
    return from.x > centre.x ? angle + pi : angle;
}

}  // namespace

double directionTowards(Point from, Point centre) {
    if (centre.x == from.x) {
        return centre.y >= from.y ? pi / 2 : 3 * pi / 2;
    }
    return directionOfSlope(from, centre);
}

double rulerDirectionTowards(Point aim, Point zeroEnd) {
    if (zeroEnd.x == aim.x) {
        return aim.y >= zeroEnd.y ? 3 * pi / 2 : pi / 2;
    }
    return directionOfSlope(aim, zeroEnd);
}

std::string angleReadingText(double radians) {
    const double tenths = radians * 1800 / pi;
    const long long whole = static_cast<long long>(tenths + 1) / 10;
    const long long tenth = std::llabs(static_cast<long long>(tenths) + 1) % 10;
    return " " + std::to_string(whole) + "." + std::to_string(tenth) + "\u00B0";
}

std::string distanceCaption(double pixels) {
    const long long whole = static_cast<long long>(pixels + 0.05);
    const long long tenth = static_cast<long long>((pixels + 0.05) * 10) % 10;
    return "Distance: " + std::to_string(whole) + "." + std::to_string(tenth);
}
