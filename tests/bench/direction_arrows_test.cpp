// SPDX-License-Identifier: MIT
// "Show Ray Directions": an arrowhead in the middle of every ray segment that shows on the
// picture, pointing the way the light goes, in the segment's own colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "bench/ray_path.h"

namespace {

constexpr double kRoundOff = 1e-9;
// A tip from the worked values below is good to their two decimals.
constexpr double kWorked = 0.01;
constexpr double kBarbLength = 8.0;
constexpr double kBarbDegrees = 25.0;

// A 100-pixel slab centred on the 769 x 344 picture: its left face at x 335, its right at 434.
TraceSetup slab(bool arrows) {
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.surfaceKind = {{kPlane, kPlane}};
    bench.deviceWidth = 100;
    TraceSetup setup{bench, bench};
    setup.benchWidth = 769;
    setup.benchHeight = 344;
    setup.normalLength = 35;
    setup.showDirections = arrows;
    return setup;
}

const SourceAim kDownAt30{{162, 0}, {335, 100}};  // 30.03 degrees below the horizontal

std::vector<Stroke> ofKind(const RayPath& ray, StrokeKind kind) {
    std::vector<Stroke> found;
    for (const Stroke& stroke : ray.strokes) {
        if (stroke.kind == kind) {
            found.push_back(stroke);
        }
    }
    return found;
}

double degreesBetween(Vec2 a, Vec2 b) {
    const double cosine = (a.x * b.x + a.y * b.y) / (std::hypot(a.x, a.y) * std::hypot(b.x, b.y));
    return std::acos(std::clamp(cosine, -1.0, 1.0)) * 180.0 / std::numbers::pi;
}

TEST(DirectionArrows, sitInTheMiddleOfWhatShowsOfEachSegmentPointingTheWayTheLightGoes) {
    const RayPath ray = traceRays(slab(true), std::span(&kDownAt30, 1)).at(0);
    const std::vector<Stroke> barbs = ofKind(ray, StrokeKind::Arrow);
    // Two barbs on each of the incident, the inside and the emergent ray, drawn after them.
    ASSERT_EQ(barbs.size(), 6u);
    EXPECT_EQ(ray.strokes.size(), 9u);
    EXPECT_EQ(ray.strokes[3].kind, StrokeKind::Arrow);

    struct Expected {
        StrokeKind along;
        Vec2 tip;
    };
    const Expected arrows[] = {
        // 199.82 pixels, all on the picture: the tip 4 pixels past the middle.
        {StrokeKind::Incident, {251.96, 52.00}},
        // From (335, 100) to (434, 135.04) at 19.47 degrees: 105.02 pixels.
        {StrokeKind::Inside, {388.27, 118.85}},
        // 769 pixels at -30.03 degrees from (434, 135.04), of which 386.91 lie left of the
        // picture's right edge.
        {StrokeKind::Emergent, {604.96, 233.86}},
    };
    for (std::size_t i = 0; i < std::size(arrows); ++i) {
        const Stroke segment = ofKind(ray, arrows[i].along).at(0);
        const Vec2 way{segment.to.x - segment.from.x, segment.to.y - segment.from.y};
        for (const Stroke& barb : {barbs[2 * i], barbs[2 * i + 1]}) {
            EXPECT_NEAR(barb.from.x, arrows[i].tip.x, kWorked) << i;
            EXPECT_NEAR(barb.from.y, arrows[i].tip.y, kWorked) << i;
            const Vec2 back{barb.to.x - barb.from.x, barb.to.y - barb.from.y};
            EXPECT_NEAR(std::hypot(back.x, back.y), kBarbLength, kRoundOff);
            // Each barb points back along the ray, 25 degrees off it: the tip leads.
            EXPECT_NEAR(degreesBetween(back, {-way.x, -way.y}), kBarbDegrees, 1e-6);
            EXPECT_EQ(barb.pen, (Pen{segment.pen.color, segment.pen.width, PenStyle::Solid}));
        }
        // One barb on each side of the ray.
        const auto side = [&way](const Stroke& barb) {
            return way.x * (barb.to.y - barb.from.y) - way.y * (barb.to.x - barb.from.x);
        };
        EXPECT_LT(side(barbs[2 * i]) * side(barbs[2 * i + 1]), 0.0);
    }
}

TEST(DirectionArrows, leaveNormalsExtensionsAndShortSegmentsBareAndAreOffAtStart) {
    TraceSetup setup = slab(true);
    setup.showNormals = true;
    setup.extendRay = true;
    const RayPath marked = traceRays(setup, std::span(&kDownAt30, 1)).at(0);
    // Still only the three ray segments carry arrows.
    EXPECT_EQ(ofKind(marked, StrokeKind::Arrow).size(), 6u);
    EXPECT_EQ(ofKind(marked, StrokeKind::Normal).size(), 2u);
    EXPECT_EQ(ofKind(marked, StrokeKind::Extension).size(), 1u);

    // A 5-pixel lens: the inside segment is far too short for an arrowhead.
    TraceSetup thin = slab(true);
    thin.frame.deviceWidth = 5;
    const SourceAim level{{100, 100}, {382, 100}};
    const RayPath through = traceRays(thin, std::span(&level, 1)).at(0);
    ASSERT_EQ(ofKind(through, StrokeKind::Inside).size(), 1u);
    EXPECT_EQ(ofKind(through, StrokeKind::Arrow).size(), 4u);

    // On a picture only 50 pixels high the inside and the emergent ray lie wholly below it
    // and carry none; the incident ray shows for 99.9 pixels and carries its own.
    TraceSetup low = slab(true);
    low.benchHeight = 50;
    const std::vector<Stroke> lowBarbs =
        ofKind(traceRays(low, std::span(&kDownAt30, 1)).at(0), StrokeKind::Arrow);
    ASSERT_EQ(lowBarbs.size(), 2u);
    EXPECT_LT(lowBarbs[0].from.y, 50.0);

    EXPECT_TRUE(
        ofKind(traceRays(slab(false), std::span(&kDownAt30, 1)).at(0), StrokeKind::Arrow).empty());
}

}  // namespace
