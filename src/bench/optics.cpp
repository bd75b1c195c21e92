// SPDX-License-Identifier: MIT
#include "bench/optics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

Vec2 along(Vec2 p, double angle, double length) {
    return {p.x + length * std::cos(angle), p.y - length * std::sin(angle)};
}

Vec2 backward(Vec2 p, double angle, double length) {
    return {p.x - length * std::cos(angle), p.y + length * std::sin(angle)};
}

std::optional<double> travelDirection(Vec2 from, Vec2 to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    if (dx == 0.0 && dy == 0.0) {
        return std::nullopt;
    }
    // A ray travelling right, the usual case, keeps the arctangent of its slope, so that
    // its pixels stay exactly where they have always been.
    if (dx > 0.0) {
        return -std::atan(dy / dx);
    }
    return std::atan2(from.y - to.y, dx);
}

double principalAngle(double angle) {
    constexpr double kTurn = 2 * std::numbers::pi;
    const double reduced = std::remainder(angle, kTurn);
    return reduced <= -std::numbers::pi ? reduced + kTurn : reduced;
}

double curvedNormal(double d, double radius) {
    // atan2 with a non-negative second argument is arctan(d / root), and stays defined
    // where the root reaches zero.
    return std::atan2(d, std::sqrt(std::max(0.0, radius * radius - d * d)));
}

double snellSine(double incidence, double fromIndex, double toIndex) {
    return std::sin(incidence) * fromIndex / toIndex;
}

Line lineThrough(Vec2 p, double angle) {
    const double slope = -std::sin(angle) / std::cos(angle);
    return {slope, p.y - slope * p.x};
}

std::optional<double> circleIntersection(const Line& line, Vec2 centre, double radius,
                                         Intersection which) {
    const double p = line.intercept - centre.y + line.slope * centre.x;
    const double a = line.slope * line.slope + 1.0;
    const double b = 2.0 * p * line.slope;
    const double c = p * p - radius * radius;
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant <= 0.0) {
        return std::nullopt;
    }
    const double root = std::sqrt(discriminant);
    const double offset =
        which == Intersection::Rightmost ? (-b + root) / (2.0 * a) : (-b - root) / (2.0 * a);
    return centre.x + offset;
}

double reflectedDirection(double normalAngle, double direction) {
    return 2.0 * normalAngle - direction;
}
