// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr TColor kOrange = 0x00B9FF;

// A bench at zoom 1 with the device centred exactly on the bench centre.
BenchState slabBench(int width) {
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.surfaceKind = {{kPlane, kPlane}};
    bench.deviceWidth = width;
    return bench;
}

// The strokes of one ray beyond its entry, as the tracer lays them out.
struct Traced {
    std::vector<Stroke> strokes;
    std::vector<Stroke> of(StrokeKind kind) const {
        std::vector<Stroke> found;
        for (const Stroke& stroke : strokes) {
            if (stroke.kind == kind) {
                found.push_back(stroke);
            }
        }
        return found;
    }
    std::vector<Stroke> lines() const {
        std::vector<Stroke> found;
        for (const Stroke& stroke : strokes) {
            if (stroke.kind != StrokeKind::Note) {
                found.push_back(stroke);
            }
        }
        return found;
    }
};

struct Switches {
    bool mirror = false;
    bool extend = false;
    int widthPosition = 100;
    bool showRefraction = true;
};

Traced trace(const BenchState& bench, RayEntry entry, Switches on = {}) {
    TraceSetup setup{bench, bench};
    setup.mirror = on.mirror;
    setup.extendRay = on.extend;
    setup.showRefraction = on.showRefraction;
    setup.normalLength = 35;
    setup.benchWidth = 769;
    setup.widthPosition = on.widthPosition;
    // The pen as the incident ray leaves it, in the ray's colour.
    RayPath path;
    path.penAfter = {kOrange, 2, PenStyle::Solid};
    traceThroughDevice(setup, entry, path);
    return {path.strokes};
}

// A stroke's ends as the bench pixels it is drawn between.
std::vector<int> endpoints(const BenchFrame& bench, const Stroke& stroke) {
    const Point a = benchPixel(bench, stroke.from);
    const Point b = benchPixel(bench, stroke.to);
    return {a.x, a.y, b.x, b.y};
}

double length(const Stroke& stroke) {
    return std::hypot(stroke.to.x - stroke.from.x, stroke.to.y - stroke.from.y);
}

TEST(RayPath, theWorkedExampleLeavesAPlaneSlabParallelToTheIncidentRay) {
    // Going down to the right at 30 degrees onto a plane face of glass 1.50: read-out 30.0,
    // inside angle -19.47 degrees, out again at -30 degrees.
    const BenchState bench = slabBench(100);
    const Traced traced = trace(bench, {{335, 100}, -kPi / 6, 0.0, 1});
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 2u);
    // 100 + 99 tan(19.47 degrees) = 135.00
    EXPECT_EQ(endpoints(bench, lines[0]), (std::vector<int>{335, 100, 434, 135}));
    // 769 pixels at -30 degrees from (434, 135.00): (1099.97, 519.50)
    EXPECT_EQ(endpoints(bench, lines[1]), (std::vector<int>{434, 135, 1099, 519}));
    EXPECT_EQ(lines[1].pen.color, kOrange);
    EXPECT_EQ(lines[1].pen.width, 2);
}

TEST(RayPath, totalInternalReflectionAtTheRightSurfaceIsReportedWithAShortStub) {
    // A half disc: plane left face, convex right surface of radius 172 through the
    // aperture ends. A horizontal ray meets the curve at asin(|d| / 172) from its normal;
    // beyond asin(1 / 1.50) = 41.81 degrees (|d| > 114.7) it cannot leave.
    BenchState bench = slabBench(57);
    bench.surfaceKind = {{kPlane, kConvex}};
    bench.radiusFactor = {{1.0, 1.0}};
    bench.surfaceCentreDist = {{0.0, chordCentreDistance(172.0, 162)}};

    const Traced reflected = trace(bench, {{357, 52}, 0.0, 0.0, 1});
    ASSERT_EQ(reflected.of(StrokeKind::Note).size(), 1u);
    const Stroke stub = reflected.lines().back();
    EXPECT_EQ(stub.kind, StrokeKind::Reflected);
    EXPECT_NEAR(length(stub), 35.0, 1e-9);

    const Traced emergent = trace(bench, {{357, 72}, 0.0, 0.0, 1});
    EXPECT_TRUE(emergent.of(StrokeKind::Note).empty());
    EXPECT_NEAR(length(emergent.of(StrokeKind::Emergent).at(0)), 769.0, 1e-9);
}

TEST(RayPath, aSteepRayReflectsOnceAtTheBottomFaceAndLeavesTheRightSurface) {
    // Width 300: the ray enters at (235, 300) going down at 60 degrees, 35.26 degrees
    // inside, meets the bottom face at x 283.08 beyond the critical angle, turns up and
    // leaves the right face at (534, 156.57), parallel to where it came from but rising.
    const BenchState bench = slabBench(300);
    const Traced traced = trace(bench, {{235, 300}, -kPi / 3, 0.0, 1}, {.widthPosition = 300});
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(endpoints(bench, lines[0]), (std::vector<int>{235, 300, 283, 334}));
    EXPECT_EQ(endpoints(bench, lines[1]), (std::vector<int>{283, 334, 534, 156}));
    // Out at +60 degrees: up and to the right.
    const Stroke out = lines[2];
    EXPECT_GT(out.to.x, out.from.x);
    EXPECT_NEAR((out.from.y - out.to.y) / (out.to.x - out.from.x), std::tan(kPi / 3), 1e-9);
}

TEST(RayPath, belowTheCriticalAngleARayLeavesThroughTheFaceAndIsNotFollowed) {
    // Air of index 1.30 raises the critical angle to 59.4 degrees: the ray inside at 48.2
    // degrees meets the bottom face at 41.8 degrees from its normal and leaves there.
    BenchState bench = slabBench(300);
    bench.airIndex() = 1.3;
    const Traced traced = trace(bench, {{235, 300}, -kPi / 3, 0.0, 1}, {.widthPosition = 300});
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].to.y, 334);
    const Stroke out = lines[1];
    EXPECT_NEAR(length(out), 350.0, 1e-9);
    EXPECT_GT(out.to.y, 334);  // below the device
}

TEST(RayPath, aMirrorReflectsEveryRayAndDrawsNothingBehindIt) {
    const BenchState bench = slabBench(5);
    const Traced plain = trace(bench, {{382, 100}, -kPi / 6, 0.0, 1}, {.mirror = true});
    const auto lines = plain.lines();
    ASSERT_EQ(lines.size(), 1u);
    // Down to the right at 30 degrees comes back down to the left, 600 pixels long
    // (sin 30 degrees is a hair under 0.5 in floating point, so 100 + 300 truncates to 399).
    EXPECT_EQ(endpoints(bench, lines[0]), (std::vector<int>{382, 100, -137, 399}));
    EXPECT_EQ(lines[0].pen.color, bench.sourceColour);
    EXPECT_EQ(lines[0].pen.width, 2);

    const Traced extended =
        trace(bench, {{382, 100}, -kPi / 6, 0.0, 1}, {.mirror = true, .extend = true});
    const auto withExtension = extended.lines();
    ASSERT_EQ(withExtension.size(), 2u);
    // Its continuation behind the mirror: red, dotted, 500 pixels, up to the right.
    EXPECT_EQ(withExtension[1].pen, (Pen{colours::red, 1, PenStyle::Dot}));
    EXPECT_EQ(endpoints(bench, withExtension[1]), (std::vector<int>{382, 100, 815, -149}));
}

TEST(RayPath, withRefractionHiddenOnlyTheIncidentRayRemains) {
    const BenchState bench = slabBench(100);
    EXPECT_TRUE(
        trace(bench, {{335, 100}, -kPi / 6, 0.0, 1}, {.showRefraction = false}).strokes.empty());
    EXPECT_TRUE(
        trace(bench, {{335, 100}, -kPi / 6, 0.0, 1}, {.mirror = true, .showRefraction = false})
            .strokes.empty());
}

TEST(RayPath, aHorizontalRayAlongTheTopEdgeIsFollowedToTheRightSurface) {
    const BenchState bench = slabBench(100);
    const auto lines = trace(bench, {{335, 10}, 0.0, 0.0, 1}).lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(endpoints(bench, lines[0]), (std::vector<int>{335, 10, 434, 10}));
    EXPECT_EQ(endpoints(bench, lines[1]), (std::vector<int>{434, 10, 1203, 10}));
}

TEST(RayPath, aGrazingRayAtASineOfExactlyOneStaysFinite) {
    // Air as dense as the glass: a ray at 90 degrees to the normal refracts at exactly 90
    // degrees, running along the surface.
    BenchState bench = slabBench(100);
    bench.airIndex() = 1.50;
    bench.glassIndex() = 1.50;
    const Traced traced = trace(bench, {{335, 100}, -kPi / 2, 0.0, 1});
    for (const Stroke& stroke : traced.strokes) {
        for (const double value : {stroke.from.x, stroke.from.y, stroke.to.x, stroke.to.y}) {
            EXPECT_TRUE(std::isfinite(value));
            EXPECT_LT(std::fabs(value), 20'000'000);
        }
    }
}

// Where the ray from a source's handles goes, asked of the tracer alone: the kinds of its
// strokes in drawing order, and the surface it leaves through.
struct PathCase {
    const char* what;
    SourceAim handles;  // bench pixels; the slab's left face is at x 335
    TraceSetup setup;
    std::vector<StrokeKind> kinds;
    ExitSurface exit;
};

TEST(RayPath, theStrokesOfARayFollowWhereItGoes) {
    using enum StrokeKind;
    const BenchState slab = slabBench(100);
    BenchState denseAir = slabBench(100);
    denseAir.airIndex() = 3.0;
    BenchState halfDisc = slabBench(57);
    halfDisc.surfaceKind = {{kPlane, kConvex}};
    halfDisc.radiusFactor = {{1.0, 1.0}};
    halfDisc.surfaceCentreDist = {{0.0, chordCentreDistance(172.0, 162)}};

    const SourceAim downAt30{{162, 0}, {335, 100}};  // 30.03 degrees below the horizontal
    const auto setup = [](const BenchState& bench) {
        TraceSetup on{bench, bench};
        on.benchWidth = 769;
        on.widthPosition = 100;
        return on;
    };
    TraceSetup normals = setup(slab);
    normals.showNormals = true;
    TraceSetup mirror = setup(slab);
    mirror.mirror = true;
    TraceSetup mirrorExtended = mirror;
    mirrorExtended.extendRay = true;
    TraceSetup hidden = setup(slab);
    hidden.showRefraction = false;

    const PathCase cases[] = {
        {"through a slab", downAt30, setup(slab), {Incident, Inside, Emergent}, ExitSurface::Right},
        {"with normals",
         downAt30,
         normals,
         {Incident, Normal, Inside, Normal, Emergent},
         ExitSurface::Right},
        {"off a mirror", downAt30, mirror, {Incident, Reflected}, ExitSurface::None},
        {"off a mirror, extended",
         downAt30,
         mirrorExtended,
         {Incident, Reflected, Extension},
         ExitSurface::None},
        {"refraction hidden", downAt30, hidden, {Incident}, ExitSurface::None},
        {"aimed from behind the face",
         {{400, 0}, {335, 100}},
         setup(slab),
         {Incident},
         ExitSurface::None},
        {"steeply into denser air",
         {{235, 0}, {335, 100}},
         setup(denseAir),
         {Incident, Reflected},
         ExitSurface::None},
        {"internally reflected",
         {{157, 52}, {357, 52}},
         setup(halfDisc),
         {Incident, Inside, Note, Reflected},
         ExitSurface::None},
    };
    for (const PathCase& c : cases) {
        const std::vector<RayPath> rays = traceRays(c.setup, std::span(&c.handles, 1));
        ASSERT_EQ(rays.size(), 1u) << c.what;
        std::vector<StrokeKind> kinds;
        for (const Stroke& stroke : rays[0].strokes) {
            kinds.push_back(stroke.kind);
        }
        EXPECT_EQ(kinds, c.kinds) << c.what;
        EXPECT_EQ(rays[0].exit.surface, c.exit) << c.what;
    }
}

TEST(RayPath, theColouredStrokesKeepTheIncidentWidthUntilANormalSetsTheRayWidth) {
    // With three colours the ray width is 1, but a stroke drawn before any normal or
    // extension keeps the 2 pixels of the incident ray, as the pen on a canvas would.
    const BenchState bench = slabBench(100);
    TraceSetup setup{bench, bench};
    setup.benchWidth = 769;
    setup.threeColourPens = true;
    const SourceAim handles{{162, 0}, {335, 100}};
    const RayPath plain = traceRays(setup, std::span(&handles, 1)).at(0);
    EXPECT_EQ(plain.strokes.at(1).pen, (Pen{kOrange, 2, PenStyle::Solid}));
    EXPECT_EQ(plain.penAfter, plain.strokes.back().pen);

    setup.showNormals = true;
    const RayPath withNormals = traceRays(setup, std::span(&handles, 1)).at(0);
    EXPECT_EQ(withNormals.strokes.at(1).pen, (Pen{colours::red, 1, PenStyle::Dot}));
    EXPECT_EQ(withNormals.strokes.at(2).pen, (Pen{kOrange, 1, PenStyle::Solid}));
}

TEST(RayPath, theSlitsSpreadAboutTheAimAndThoseBeyondTheDeviceLieAlongItsEdge) {
    BenchState bench = slabBench(100);
    // Slits 1..5 sit at offsets 0, -1, 1, -2, 2 spacings; the aperture is rows 10..334.
    const int rows[] = {slitRow(bench, 20, 15, 1), slitRow(bench, 20, 15, 2),
                        slitRow(bench, 20, 15, 3), slitRow(bench, 20, 15, 4),
                        slitRow(bench, 330, 15, 5)};
    EXPECT_EQ(rows[0], 20);
    EXPECT_EQ(rows[1], 10);
    EXPECT_EQ(rows[2], 35);
    EXPECT_EQ(rows[3], 10);
    EXPECT_EQ(rows[4], 334);
}

}  // namespace
