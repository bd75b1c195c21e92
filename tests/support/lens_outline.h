// SPDX-License-Identifier: MIT
#pragma once

// Where a point lies against a lens's outline as the tracer meets it (bench/device_outline.h),
// found by plain geometry: inside or outside the glass, and how far from the outline. The
// tests use it to tell whether a stroke runs through glass it should not.
#include <algorithm>
#include <cmath>
#include <optional>

#include "bench/device_outline.h"
#include "bench/ray_path.h"

namespace lens_outline {

inline double distance(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

inline double distanceToSegment(Vec2 p, Vec2 a, Vec2 b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double squared = dx * dx + dy * dy;
    const double t = squared == 0.0
                         ? 0.0
                         : std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0);
    return distance(p, {a.x + t * dx, a.y + t * dy});
}

// The distance from a point to one surface: an arc of its circle between the aperture's
// rows, or a vertical segment for a plane surface.
inline double distanceToSurface(const BenchFrame& bench, const std::optional<SurfaceCircle>& circle,
                                Vec2 top, Vec2 bottom, Vec2 p) {
    if (!circle) {
        return distanceToSegment(p, top, bottom);
    }
    const double fromCentre = distance(p, circle->centre);
    if (fromCentre > 0.0) {
        const Vec2 nearest{
            circle->centre.x + circle->radius * (p.x - circle->centre.x) / fromCentre,
            circle->centre.y + circle->radius * (p.y - circle->centre.y) / fromCentre};
        if (circle->onDrawnHalf(nearest) && bench.apertureTop <= nearest.y &&
            nearest.y <= bench.apertureBottom) {
            return std::fabs(fromCentre - circle->radius);
        }
    }
    return std::min(distance(p, top), distance(p, bottom));
}

inline bool insideTheGlass(const BenchFrame& bench, Vec2 p) {
    return bench.apertureTop < p.y && p.y < bench.apertureBottom &&
           leftSurfaceX(bench, p.y) < p.x && p.x < rightSurfaceX(bench, p.y);
}

// How deep a point lies in the glass: its distance from the outline, positive inside the
// glass and negative outside it.
inline double depthInGlass(const BenchFrame& bench, Vec2 p) {
    const double top = bench.apertureTop;
    const double bottom = bench.apertureBottom;
    const Vec2 leftTop{leftSurfaceX(bench, top), top};
    const Vec2 leftBottom{leftSurfaceX(bench, bottom), bottom};
    const Vec2 rightTop{rightSurfaceX(bench, top), top};
    const Vec2 rightBottom{rightSurfaceX(bench, bottom), bottom};
    const double nearest = std::min(
        {distanceToSurface(bench, leftSurfaceCircle(bench), leftTop, leftBottom, p),
         distanceToSurface(bench, rightSurfaceCircle(bench), rightTop, rightBottom, p),
         distanceToSegment(p, leftTop, rightTop), distanceToSegment(p, leftBottom, rightBottom)});
    return insideTheGlass(bench, p) ? nearest : -nearest;
}

// Whether some point of a straight stroke lies more than `tolerance` on the wrong side of the
// outline: outside the glass when it should run inside, inside when it should run outside.
// Only the part of the stroke near the device is looked at, every half pixel.
inline bool crossesTheOutline(const BenchFrame& bench, Vec2 from, Vec2 to, bool runsInside,
                              double tolerance = 1.0) {
    const double margin = tolerance + 1.0;
    const double mid = bench.benchMidY;
    const double left =
        std::min({leftSurfaceX(bench, bench.apertureTop), leftSurfaceX(bench, mid)}) - margin;
    const double right =
        std::max({rightSurfaceX(bench, bench.apertureTop), rightSurfaceX(bench, mid)}) + margin;
    const double top = bench.apertureTop - margin;
    const double bottom = bench.apertureBottom + margin;
    // The part of the stroke inside that box, as fractions of the way.
    double begin = 0.0;
    double end = 1.0;
    const auto clip = [&](double start, double change, double low, double high) {
        if (change == 0.0) {
            return low <= start && start <= high;
        }
        const double a = (low - start) / change;
        const double b = (high - start) / change;
        begin = std::max(begin, std::min(a, b));
        end = std::min(end, std::max(a, b));
        return begin <= end;
    };
    if (!clip(from.x, to.x - from.x, left, right) || !clip(from.y, to.y - from.y, top, bottom)) {
        return false;
    }
    const double length = distance(from, to);
    // A line of no length draws nothing (its end pixel is left out).
    if (length == 0.0) {
        return false;
    }
    const double step = 0.5 / length;
    for (double t = begin; t <= end; t += step) {
        const Vec2 p{from.x + t * (to.x - from.x), from.y + t * (to.y - from.y)};
        const double depth = depthInGlass(bench, p);
        if (runsInside ? depth < -tolerance : depth > tolerance) {
            return true;
        }
    }
    return false;
}

}  // namespace lens_outline
