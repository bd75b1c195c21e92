// SPDX-License-Identifier: MIT
// The focal points "Show Focal Points" marks, held against rays the program itself traces:
// paraxial rays parallel to the axis cross it (or seem to come from it) within a pixel of
// the back focal point, and rays from the front focal point leave parallel to the axis.
#include "bench/focal_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "bench/device_outline.h"
#include "bench/ray_path.h"
#include "support/main_window_fixture.h"

namespace {

// "Within a pixel of the mark."
constexpr double kPixel = 1.0;
// Paraxial rays: this many rows off the axis, above and below.
constexpr int kParaxialRows[] = {-4, -3, -2, 2, 3, 4};
// The front focal point is looked for this far either side of the mark.
constexpr int kSearchReach = 40;

TraceSetup setupOf(const Treframain& w) {
    TraceSetup setup{w.bench, w.bench};
    setup.mirror = w.mirror();
    setup.benchWidth = w.planeim.width;
    setup.benchHeight = w.planeim.height;
    setup.normalLength = 35;
    return setup;
}

// The last stroke of a ray that goes on in the air: the emergent ray, or the reflected one.
std::optional<Stroke> lastLeg(const RayPath& ray) {
    for (auto it = ray.strokes.rbegin(); it != ray.strokes.rend(); ++it) {
        if (it->kind == StrokeKind::Emergent || it->kind == StrokeKind::Reflected) {
            return *it;
        }
    }
    return std::nullopt;
}

// One ray, from a device-frame start through the device-frame point where it is aimed.
RayPath traceFrom(const Treframain& w, Vec2 start, Vec2 aim) {
    const BenchFrame& bench = w.bench;
    const auto pixel = [&bench](Vec2 p) {
        return Point{static_cast<int>(p.x) + bench.deviceOffsetX,
                     static_cast<int>(p.y) + bench.deviceOffsetY};
    };
    const SourceAim handles{pixel(start), pixel(aim)};
    return traceRays(setupOf(w), std::span(&handles, 1)).at(0);
}

// Where the line of a ray's last leg crosses the axis: ahead of it for a real focus, behind
// it for a virtual one.
double axisCrossing(const Treframain& w, const Stroke& leg) {
    const double axis = w.bench.benchMidY;
    return leg.from.x + (axis - leg.from.y) * (leg.to.x - leg.from.x) / (leg.to.y - leg.from.y);
}

// Paraxial rays parallel to the axis, from far left: each crossing, as the program traces it.
std::vector<double> parallelRayCrossings(const Treframain& w) {
    std::vector<double> crossings;
    for (const int row : kParaxialRows) {
        const double y = w.bench.benchMidY + row;
        const double entry = leftSurfaceEntry(w.bench, static_cast<int>(y)).x1;
        const RayPath ray = traceFrom(w, {entry - 300, y}, {entry, y});
        const std::optional<Stroke> leg = lastLeg(ray);
        if (leg) {
            crossings.push_back(axisCrossing(w, *leg));
        }
    }
    return crossings;
}

// The slope of the ray that leaves the lens when a ray from axis point x reaches the entry
// point 3 rows above the axis (a ray aimed at a point behind the lens comes from in front,
// along the same line).
double leavingSlope(const Treframain& w, int x) {
    const int row = w.bench.benchMidY - 3;
    const Vec2 entry{leftSurfaceEntry(w.bench, row).x1, static_cast<double>(row)};
    const Vec2 axisPoint{static_cast<double>(x), static_cast<double>(w.bench.benchMidY)};
    const Vec2 start =
        x < entry.x ? axisPoint : Vec2{2 * entry.x - axisPoint.x, 2 * entry.y - axisPoint.y};
    const std::optional<Stroke> leg = lastLeg(traceFrom(w, start, entry));
    return leg ? (leg->to.y - leg->from.y) / (leg->to.x - leg->from.x) : NAN;
}

// The axis point from which traced rays leave parallel to the axis: where the leaving slope
// changes sign, between two whole pixels, by linear interpolation.
std::optional<double> parallelLeavingPoint(const Treframain& w, double near) {
    const int from = static_cast<int>(near) - kSearchReach;
    double previous = leavingSlope(w, from);
    for (int x = from + 1; x <= from + 2 * kSearchReach; ++x) {
        const double slope = leavingSlope(w, x);
        if (std::isfinite(previous) && std::isfinite(slope) && (previous < 0) != (slope < 0)) {
            return x - 1 + previous / (previous - slope);
        }
        previous = slope;
    }
    return std::nullopt;
}

struct FocusCase {
    const char* what;
    const char* edition;
    std::function<void(Treframain&)> arrange;
    int focalPoints;
};

void customLens(Treframain& w, int leftKind, int leftRadius, int rightKind, int rightRadius,
                int width, int glass, int air) {
    w.focus.focus(w.leftcb);
    w.leftcb.userSelect(leftKind - 1);
    w.focus.focus(w.rightcb);
    w.rightcb.userSelect(rightKind - 1);
    w.lradiussb.setPosition(leftRadius);
    w.rradiussb.setPosition(rightRadius);
    w.widthsb.setPosition(width);
    w.glassindex.setPosition(glass);
    w.airindex.setPosition(air);
}

void customMirror(Treframain& w, int kind, int radius) {
    w.focus.focus(w.leftcb);
    w.leftcb.userSelect(kind - 1);
    w.lradiussb.setPosition(radius);
}

class FocalPoints : public ::testing::TestWithParam<FocusCase> {};

TEST_P(FocalPoints, lieWhereTracedParaxialRaysCrossTheAxis) {
    StartedWindowFixture fixture(GetParam().edition);
    Treframain& w = fixture.window;
    GetParam().arrange(w);
    const std::vector<Vec2> foci = focalPoints(w.bench, w.mirror());
    ASSERT_EQ(foci.size(), static_cast<std::size_t>(GetParam().focalPoints));
    for (const Vec2& focus : foci) {
        EXPECT_EQ(focus.y, w.bench.benchMidY);
    }

    // Rays parallel to the axis cross it at the back focal point (a mirror's only one).
    const Vec2 back = foci.back();
    const std::vector<double> crossings = parallelRayCrossings(w);
    ASSERT_EQ(crossings.size(), std::size(kParaxialRows));
    for (const double x : crossings) {
        EXPECT_NEAR(x, back.x, kPixel);
    }

    // Rays from the front focal point leave parallel to the axis.
    if (!w.mirror()) {
        const std::optional<double> front = parallelLeavingPoint(w, foci.front().x);
        ASSERT_TRUE(front);
        EXPECT_NEAR(*front, foci.front().x, kPixel);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PresetsAndOthers, FocalPoints,
    ::testing::Values(
        FocusCase{"doubleConvexLens", "Lumivex", [](Treframain& w) { w.DoubleConvexLens1.click(); },
                  2},
        FocusCase{"doubleConcaveLens", "Lumivex",
                  [](Treframain& w) { w.DoubleConcaveLens1.click(); }, 2},
        FocusCase{"semiCircularPrismLeft", "Lumivex",
                  [](Treframain& w) { w.SemiCircularLeft1.click(); }, 2},
        FocusCase{"semiCircularPrismRight", "Lumivex",
                  [](Treframain& w) { w.SemicircularPrismRight1.click(); }, 2},
        FocusCase{"circularLens", "Lumivex", [](Treframain& w) { w.CircularLens1.click(); }, 2},
        // A meniscus of glass 1.80 in surroundings of 1.20, and a thick lens of glass 2.40.
        FocusCase{"meniscus", "Lumivex",
                  [](Treframain& w) { customLens(w, kConvex, 30, kConcave, 45, 40, 180, 120); }, 2},
        FocusCase{"thickConcaveConvex", "Lumivex",
                  [](Treframain& w) { customLens(w, kConcave, 15, kConvex, 25, 60, 240, 100); }, 2},
        FocusCase{"concaveMirror", "Spekvale", [](Treframain& w) { w.Concavemirror1.click(); }, 1},
        FocusCase{"convexMirror", "Spekvale", [](Treframain& w) { w.ConvexMirror1.click(); }, 1},
        FocusCase{"deepConcaveMirror", "Spekvale",
                  [](Treframain& w) { customMirror(w, kConcave, 35); }, 1},
        FocusCase{"strongConvexMirror", "Spekvale",
                  [](Treframain& w) {
                      w.scalesb.setPosition(kZoomUnity);
                      customMirror(w, kConvex, 12);
                  },
                  1}),
    [](const auto& info) { return std::string(info.param.what); });

struct NoFocusCase {
    const char* what;
    const char* edition;
    std::function<void(Treframain&)> arrange;
};

class NoFocalPoint : public ::testing::TestWithParam<NoFocusCase> {};

TEST_P(NoFocalPoint, forADeviceWithoutPower) {
    StartedWindowFixture fixture(GetParam().edition);
    Treframain& w = fixture.window;
    GetParam().arrange(w);
    EXPECT_TRUE(focalPoints(w.bench, w.mirror()).empty());
    EXPECT_TRUE(focalMarks(w.bench, w.mirror(), w.planeim.width, w.planeim.height).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Degenerate, NoFocalPoint,
    ::testing::Values(NoFocusCase{"rectangularPrism", "Lumivex",
                                  [](Treframain& w) { w.Rectangularprism1.click(); }},
                      NoFocusCase{"glassAsDenseAsItsSurroundings", "Lumivex",
                                  [](Treframain& w) { w.airindex.setPosition(150); }},
                      NoFocusCase{"planeMirror", "Spekvale",
                                  [](Treframain& w) { w.PlaneMirror1.click(); }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(FocalMarks, onlyThoseOnThePictureAreMarked) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    // A weak lens: both focal points far beyond the picture's ends.
    w.glassindex.setPosition(102);
    const std::vector<Vec2> foci = focalPoints(w.bench, false);
    ASSERT_EQ(foci.size(), 2u);
    EXPECT_LT(foci[0].x + w.bench.deviceOffsetX, 0.0);
    EXPECT_GT(foci[1].x + w.bench.deviceOffsetX, w.planeim.width);
    EXPECT_TRUE(focalMarks(w.bench, false, w.planeim.width, w.planeim.height).empty());

    // The start's double convex lens: both on the picture, on the axis row.
    w.glassindex.setPosition(150);
    const std::vector<Point> marks = focalMarks(w.bench, false, w.planeim.width, w.planeim.height);
    ASSERT_EQ(marks.size(), 2u);
    for (const Point& mark : marks) {
        EXPECT_EQ(mark.y, w.bench.benchMidY + w.bench.deviceOffsetY);
    }
    EXPECT_LT(marks[0].x, w.benchCentre(w.centerg).x);
    EXPECT_GT(marks[1].x, w.benchCentre(w.centerg).x);
}

TEST(FocalMarks, aFocusThatIsNoNumberIsNotMarked) {
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.deviceWidth = 5;
    bench.glassIndex() = NAN;
    EXPECT_TRUE(focalPoints(bench, false).empty());
    EXPECT_TRUE(focalMarks(bench, false, 769, 344).empty());
}

}  // namespace
