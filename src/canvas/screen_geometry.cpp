// SPDX-License-Identifier: MIT
#include "canvas/screen_geometry.h"

#include <cmath>
#include <numbers>

#include "canvas/pixel.h"

Point offsetPoint(Point origin, double dx, double dy) {
    return {origin.x + truncPixel(dx), origin.y + truncPixel(dy)};
}

Point polarPoint(Point origin, double radius, double angle) {
    return offsetPoint(origin, radius * std::cos(angle), radius * std::sin(angle));
}

Point mirrored(Point point, Point centre) {
    return {2 * centre.x - point.x, 2 * centre.y - point.y};
}

void strokeLine(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

namespace {

double directionOfSlope(Point from, Point centre) {
    const double angle =
        std::atan(static_cast<double>(centre.y - from.y) / static_cast<double>(centre.x - from.x));
    return from.x > centre.x ? angle + std::numbers::pi : angle;
}

}  // namespace

double directionTowards(Point from, Point centre) {
    if (centre.x == from.x) {
        return centre.y >= from.y ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
    }
    return directionOfSlope(from, centre);
}

double rulerDirectionTowards(Point aim, Point zeroEnd) {
    if (zeroEnd.x == aim.x) {
        return aim.y >= zeroEnd.y ? 3 * std::numbers::pi / 2 : std::numbers::pi / 2;
    }
    return directionOfSlope(aim, zeroEnd);
}

double headingTowards(Point from, Point to) {
    const int run = to.x - from.x;
    const int rise = to.y - from.y;
    // Pointing right, the usual case, it is the plain arctangent of the slope.
    if (run > 0) {
        return principalSlope(rise, run);
    }
    if (run == 0 && rise == 0) {
        return 0.0;
    }
    return std::atan2(static_cast<double>(rise), static_cast<double>(run));
}

double principalSlope(int rise, int run) {
    if (run == 0) {
        return rise == 0 ? 0.0 : std::copysign(std::numbers::pi / 2, rise);
    }
    return std::atan(static_cast<double>(rise) / static_cast<double>(run));
}
