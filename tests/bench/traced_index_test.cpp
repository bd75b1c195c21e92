// SPDX-License-Identifier: MIT
// The index the "Glass" slider shows is the index traced: one colour traces it exactly, three
// colours trace it for green with red 0.01 below and blue 0.01 above. A class measuring the
// critical angle of 1.50 glass finds the textbook's 41.81 degrees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "bench/device_outline.h"
#include "bench/ray_path.h"

namespace {

constexpr double kRoundOff = 1e-12;

struct IndexCase {
    double shown;
    int colour;
    int colourCount;
    double traced;
};

TEST(TracedIndex, oneColourTracesTheShownIndexAndThreeSpreadAboutIt) {
    const IndexCase cases[] = {
        {1.50, 1, 1, 1.50},                                          // one colour: exactly "Glass"
        {1.00, 1, 1, 1.00}, {3.00, 1, 1, 3.00}, {1.50, 1, 3, 1.49},  // red
        {1.50, 2, 3, 1.50},                                          // green: the index shown
        {1.50, 3, 3, 1.51},                                          // blue
        {1.00, 1, 3, 0.99}, {3.00, 3, 3, 3.01},
    };
    for (const IndexCase& c : cases) {
        EXPECT_NEAR(tracedGlassIndex(c.shown, c.colour, c.colourCount), c.traced, kRoundOff)
            << c.shown << " colour " << c.colour << " of " << c.colourCount;
    }
}

// A thick half disc at zoom 2.5: a plane left face, a convex right surface of radius 430
// pixels through the aperture's ends, 405 pixels above and below the axis. A horizontal ray
// at d pixels from the axis passes the plane face undeviated and meets the curve at
// asin(d / 430) from its normal: row by row, the angle of incidence climbs in steps of about
// 0.18 degrees near the critical angle of glass, 0.29 degrees near that of glass in water.
BenchState thickHalfDisc(double glass, double air, int colourCount) {
    BenchState bench = createdBench(769, 344, 20, 20);
    setZoom(bench, 30);
    bench.surfaceKind = {{kPlane, kConvex}};
    bench.radiusFactor = {{2.5, 2.5}};
    bench.surfaceCentreDist = {{0.0, chordCentreDistance(430.0, 405)}};
    bench.deviceWidth = 57 * 2.5;
    bench.glassIndex() = glass;
    bench.airIndex() = air;
    bench.colourCount = colourCount;
    return bench;
}

// Whether the ray of this colour at d pixels above the axis is turned back at the curve.
bool internallyReflected(const BenchState& bench, int d, int colour) {
    TraceSetup setup{bench, bench};
    setup.benchWidth = 769;
    const int y1 = bench.benchMidY - d;
    RayPath path;
    traceThroughDevice(
        setup, {{leftSurfaceEntry(bench, y1).x1, static_cast<double>(y1)}, 0.0, 0.0, colour}, path);
    return std::ranges::any_of(
        path.strokes, [](const Stroke& stroke) { return stroke.kind == StrokeKind::Note; });
}

struct CriticalCase {
    const char* what;
    double glass;
    double air;
    int colourCount;
    int colour;
    int d;           // rows from the axis
    double degrees;  // the angle of incidence there, asin(d / 430)
    bool reflected;  // beyond the critical angle
};

TEST(TracedIndex, theCriticalAngleIsTheTextbooksForTheShownIndex) {
    const CriticalCase cases[] = {
        // Glass 1.50 in air: asin(1 / 1.50) = 41.81 degrees (traced as 1.51 it was 41.47).
        {"glass in air, below", 1.50, 1.00, 1, 1, 286, 41.69, false},
        {"glass in air, beyond", 1.50, 1.00, 1, 1, 287, 41.87, true},
        // Glass 1.50 in water: asin(1.33 / 1.50) = 62.46 degrees (61.74 as 1.51).
        {"glass in water, below", 1.50, 1.33, 1, 1, 381, 62.38, false},
        {"glass in water, beyond", 1.50, 1.33, 1, 1, 382, 62.67, true},
        // Three colours: red 1.49 turns back beyond 42.16 degrees, green 1.50 beyond 41.81,
        // blue 1.51 beyond 41.47.
        {"blue between blue's and green's", 1.50, 1.00, 3, 3, 286, 41.69, true},
        {"green between blue's and green's", 1.50, 1.00, 3, 2, 286, 41.69, false},
        {"green between green's and red's", 1.50, 1.00, 3, 2, 287, 41.87, true},
        {"red between green's and red's", 1.50, 1.00, 3, 1, 288, 42.05, false},
        {"red beyond its own", 1.50, 1.00, 3, 1, 289, 42.23, true},
    };
    for (const CriticalCase& c : cases) {
        const BenchState bench = thickHalfDisc(c.glass, c.air, c.colourCount);
        EXPECT_NEAR(std::asin(c.d / 430.0) * 180 / std::numbers::pi, c.degrees, 0.005) << c.what;
        EXPECT_EQ(internallyReflected(bench, c.d, c.colour), c.reflected) << c.what;
    }
}

// A stroke's geometry without its pen.
std::vector<std::vector<double>> geometryOf(const RayPath& ray) {
    std::vector<std::vector<double>> lines;
    for (const Stroke& stroke : ray.strokes) {
        lines.push_back({static_cast<double>(stroke.kind), stroke.from.x, stroke.from.y,
                         stroke.to.x, stroke.to.y});
    }
    return lines;
}

TEST(TracedIndex, theGreenOfThreeColoursGoesWhereTheOneColourGoes) {
    // Through a half disc at 30 degrees, down to the right.
    BenchState one = thickHalfDisc(1.62, 1.00, 1);
    BenchState three = one;
    three.colourCount = 3;
    TraceSetup oneSetup{one, one};
    TraceSetup threeSetup{three, three};
    oneSetup.benchWidth = threeSetup.benchWidth = 769;
    const SourceAim downAt30{{211, 72}, {384, 172}};
    const std::vector<RayPath> single = traceSource(oneSetup, downAt30, 1);
    const std::vector<RayPath> spread = traceSource(threeSetup, downAt30, 1);
    ASSERT_EQ(single.size(), 1u);
    ASSERT_EQ(spread.size(), 3u);
    EXPECT_EQ(geometryOf(spread[1]), geometryOf(single[0]));

    // Blue bends most, red least: their emergent rays fan out in that order about green's.
    std::vector<double> deviation;
    for (const RayPath& ray : spread) {
        const Stroke& out = ray.strokes.back();
        ASSERT_EQ(out.kind, StrokeKind::Emergent);
        const double leaving = std::atan2(-(out.to.y - out.from.y), out.to.x - out.from.x);
        deviation.push_back(std::fabs(leaving - *ray.incidentAngle));
    }
    EXPECT_LT(deviation[0], deviation[1]);
    EXPECT_LT(deviation[1], deviation[2]);
}

}  // namespace
