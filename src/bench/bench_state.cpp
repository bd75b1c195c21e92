// SPDX-License-Identifier: MIT
#include "bench/bench_state.h"

#include <algorithm>
#include <cmath>

#include "canvas/pixel.h"

namespace {

// A radius never falls below the aperture half-height, so the root is real; clamping
// keeps a geometry that reached the limit by rounding at its edge instead of a NaN.
double rootOfDifference(double squareA, double squareB) {
    return std::sqrt(std::max(0.0, squareA - squareB));
}

}  // namespace

int surfaceOffset(const BenchState& bench, int y, int /*kind*/, int side) {
    const double radius = bench.radiusFactor[side] * bench.radiusUnit;
    const double rowFromAxis = y - bench.benchMidY;
    const double offset = bench.surfaceCentreDist[side] -
                          rootOfDifference(radius * radius, rowFromAxis * rowFromAxis);
    return truncPixel(offset);
}

double chordCentreDistance(double radiusPixels, int halfAperture) {
    return rootOfDifference(radiusPixels * radiusPixels,
                            static_cast<double>(halfAperture) * halfAperture);
}
