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

double principalSlope(int rise, int run) {
    if (run == 0) {
        return rise == 0 ? 0.0 : std::copysign(std::numbers::pi / 2, rise);
    }
    return std::atan(static_cast<double>(rise) / static_cast<double>(run));
}
