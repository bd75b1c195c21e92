// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// The tracer's geometry, as pure functions of numbers. Direction angles follow the
// mathematical sense on a screen whose y grows downward: a direction θ is the screen
// vector (cos θ, -sin θ). Angles are radians.

struct Vec2 {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Vec2&) const = default;
};

// The point at distance length along direction angle from p, and backward from p.
Vec2 along(Vec2 p, double angle, double length);
Vec2 backward(Vec2 p, double angle, double length);

// The direction angle of travel from `from` to `to`, in (-pi, pi]; none when the two
// points coincide, for then there is no way to travel.
std::optional<double> travelDirection(Vec2 from, Vec2 to);

// An angle brought into (-pi, pi].
double principalAngle(double angle);

// The normal's direction angle at row offset d from the axis of a surface of radius r:
// 0 for a plane; arctan(d / sqrt(r^2 - d^2)) for a convex left surface, its negative for a
// concave one. A row at or beyond the radius gives the normal of the surface's edge.
double curvedNormal(double d, double radius);

// Snell's law: the sine of the outgoing angle for an incidence angle across indices
// from -> to.
double snellSine(double incidence, double fromIndex, double toIndex);

// The line Y = slope X + intercept through p in direction angle, as -sin/cos and the
// matching intercept.
struct Line {
    double slope = 0.0;
    double intercept = 0.0;
    double yAt(double x) const { return slope * x + intercept; }
};
Line lineThrough(Vec2 p, double angle);

// The x where a line meets the circle of the given centre and radius: the intersection
// further right (or left). None for a line that misses the circle or only grazes it.
enum class Intersection { Rightmost, Leftmost };
std::optional<double> circleIntersection(const Line& line, Vec2 centre, double radius,
                                         Intersection which);

// The reflection of direction angle about a normal's direction angle.
double reflectedDirection(double normalAngle, double direction);
