// SPDX-License-Identifier: MIT
#include "bench/bench_state.h"

#include <algorithm>
#include <cmath>

#include "canvas/pixel.h"

// A radius never falls below the aperture half-height, so the root is real; clamping
// keeps a geometry that reached the limit by rounding at its edge instead of a NaN.
double rootOfDifference(double squareA, double squareB) {
    return std::sqrt(std::max(0.0, squareA - squareB));
}

double surfaceRadius(const BenchFrame& bench, int side) {
    return bench.radiusFactor[side] * bench.radiusUnit;
}

int leftBaseLine(const BenchFrame& bench) {
    return bench.benchMidX - truncPixel(bench.deviceWidth) / 2;
}

int surfaceOffset(const BenchFrame& bench, int y, int /*kind*/, int side) {
    const double radius = surfaceRadius(bench, side);
    const double rowFromAxis = y - bench.benchMidY;
    const double offset = bench.surfaceCentreDist[side] -
                          rootOfDifference(radius * radius, rowFromAxis * rowFromAxis);
    return truncPixel(offset);
}

double chordCentreDistance(double radiusPixels, int halfAperture) {
    return rootOfDifference(radiusPixels * radiusPixels,
                            static_cast<double>(halfAperture) * halfAperture);
}

BenchState createdBench(int pictureWidth, int pictureHeight, int leftRadiusPosition,
                        int rightRadiusPosition) {
    BenchState bench;
    bench.benchMidY = pictureHeight / 2;
    bench.benchMidX = pictureWidth / 2;
    bench.radiusUnit = pictureHeight / 2.0;
    bench.apertureTop = kApertureMargin;
    bench.apertureBottom = pictureHeight - kApertureMargin;
    bench.zoomFactor = 1.0;
    bench.surfaceKind = {{kConvex, kConvex}};
    bench.radiusFactor[kLeftSide] = leftRadiusPosition / kRadiusPositionsPerUnit;
    bench.radiusFactor[kRightSide] = rightRadiusPosition / kRadiusPositionsPerUnit;
    // The lens rule for a convex surface, whatever the edition: the edition is chosen later.
    const int halfAperture = bench.benchMidY - bench.apertureTop;
    for (int side = kLeftSide; side <= kRightSide; ++side) {
        bench.surfaceCentreDist[side] =
            chordCentreDistance(bench.radiusFactor[side] * bench.radiusUnit, halfAperture);
    }
    return bench;
}

void setZoom(BenchFrame& bench, int scalePosition) {
    bench.zoomFactor = scalePosition / static_cast<double>(kZoomUnity);
    const int halfAperture = truncPixel((bench.benchMidY - kApertureMargin) * bench.zoomFactor);
    bench.apertureTop = bench.benchMidY - halfAperture;
    bench.apertureBottom = bench.benchMidY + halfAperture;
}
