// SPDX-License-Identifier: MIT
#include "bench/focal_points.h"

#include <cmath>

#include "bench/device_outline.h"
#include "bench/ray_path.h"

namespace {

// The curvature of a surface, 1/R, signed as the lensmaker's equation takes it: positive
// when its centre of curvature lies to the right of its vertex, on the way the light goes.
double signedCurvature(const BenchFrame& bench, int side) {
    const int kind = bench.surfaceKind[side];
    if (kind == kPlane) {
        return 0.0;
    }
    const double radius = surfaceRadius(bench, side);
    // A convex left surface and a concave right one curve about a centre to their right.
    const bool centreToTheRight = (kind == kConvex) == (side == kLeftSide);
    return (centreToTheRight ? 1.0 : -1.0) / radius;
}

std::vector<Vec2> lensFocalPoints(const BenchFrame& bench) {
    const double axis = bench.benchMidY;
    // The index of one colour's rays and of the middle one of three.
    const double n = tracedGlassIndex(bench.glassIndex(), 2, 3);
    const double surroundings = bench.airIndex();
    // The left surface where the tracer meets it: its entry points lie on the whole pixels
    // the device is drawn at, up to a pixel off the exact curve, and a thick lens's focus
    // moves with its thickness.
    const double frontVertex = leftSurfaceEntry(bench, bench.benchMidY).x1;
    const double backVertex = rightSurfaceX(bench, axis);
    const double thickness = backVertex - frontVertex;
    const double frontPower = (n - surroundings) * signedCurvature(bench, kLeftSide);
    const double backPower = (surroundings - n) * signedCurvature(bench, kRightSide);
    const double power = frontPower + backPower - thickness / n * frontPower * backPower;
    // No power, no focus: parallel rays stay parallel.
    if (power == 0.0 || !std::isfinite(power)) {
        return {};
    }
    const double focalLength = surroundings / power;
    // Each principal plane lies this far from its vertex; the focal points one focal length
    // beyond them.
    const double backPlane = backVertex - focalLength * thickness * frontPower / n;
    const double frontPlane = frontVertex + focalLength * thickness * backPower / n;
    return {{frontPlane - focalLength, axis}, {backPlane + focalLength, axis}};
}

std::vector<Vec2> mirrorFocalPoints(const BenchFrame& bench) {
    const int kind = bench.surfaceKind[kLeftSide];
    if (kind == kPlane) {
        return {};
    }
    const double axis = bench.benchMidY;
    const double vertex = leftSurfaceEntry(bench, bench.benchMidY).x1;
    const double halfRadius = surfaceRadius(bench, kLeftSide) / 2;
    return {{kind == kConcave ? vertex - halfRadius : vertex + halfRadius, axis}};
}

}  // namespace

std::vector<Vec2> focalPoints(const BenchFrame& bench, bool mirror) {
    return mirror ? mirrorFocalPoints(bench) : lensFocalPoints(bench);
}

std::vector<Point> focalMarks(const BenchFrame& bench, bool mirror, int pictureWidth,
                              int pictureHeight) {
    std::vector<Point> marks;
    for (const Vec2& focus : focalPoints(bench, mirror)) {
        const double x = focus.x + bench.deviceOffsetX;
        const double y = focus.y + bench.deviceOffsetY;
        // A focus far off the picture (a weak lens) is not drawn; the test also turns away
        // anything not finite.
        if (x >= 0.0 && x < pictureWidth && y >= 0.0 && y < pictureHeight) {
            marks.push_back(benchPixel(bench, focus));
        }
    }
    return marks;
}
