// SPDX-License-Identifier: MIT
// Rays turned back at the left surface, by a mirror or by surroundings denser than the
// glass: every reflection is drawn, each keeps the angle equal about its normal, and no
// reflected stroke goes through the surface it turned at.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <span>
#include <vector>

#include "bench/device_outline.h"
#include "bench/ray_path.h"
#include "support/main_window_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;
// The drawn entry point lies up to a pixel off the exact surface.
constexpr double kPixel = 1.0;
constexpr double kRoundOff = 1e-9;

double directionOf(Vec2 from, Vec2 to) {
    return std::atan2(-(to.y - from.y), to.x - from.x);
}

// The angle between a direction and a normal line, in [0, pi/2].
double angleToNormal(double direction, double normal) {
    const double c = std::fabs(std::cos(direction - normal));
    return std::acos(std::min(1.0, c));
}

std::vector<Stroke> reflectedStrokes(const RayPath& ray) {
    std::vector<Stroke> found;
    for (const Stroke& stroke : ray.strokes) {
        if (stroke.kind == StrokeKind::Reflected) {
            found.push_back(stroke);
        }
    }
    return found;
}

// No point of a stroke lies more than a pixel behind the left surface, within the aperture.
bool staysInFrontOfTheLeftSurface(const BenchFrame& bench, const Stroke& stroke) {
    const double length = std::hypot(stroke.to.x - stroke.from.x, stroke.to.y - stroke.from.y);
    for (double along = 0; along <= length; along += 0.5) {
        const double t = along / length;
        const Vec2 p{stroke.from.x + t * (stroke.to.x - stroke.from.x),
                     stroke.from.y + t * (stroke.to.y - stroke.from.y)};
        const bool inAperture = bench.apertureTop <= p.y && p.y <= bench.apertureBottom;
        if (inAperture && p.x - leftSurfaceX(bench, p.y) > kPixel) {
            return false;
        }
    }
    return true;
}

// Where a ray arrives and leaves at each of its turns, the two make equal angles with the
// surface's normal there; the first arrives along the incident stroke. The first turn is
// drawn from the entry pixel, up to a pixel off the exact surface, so its stroke's
// direction is good to a pixel over its length.
void expectTheLawOfReflection(const BenchFrame& bench, const RayPath& ray, const char* what) {
    const std::vector<Stroke> turned = reflectedStrokes(ray);
    ASSERT_FALSE(turned.empty()) << what;
    const Stroke& first = turned.front();
    const double tolerance =
        std::atan(kPixel / std::hypot(first.to.x - first.from.x, first.to.y - first.from.y)) +
        kRoundOff;
    double arriving = *ray.incidentAngle;
    for (const Stroke& stroke : turned) {
        const double leaving = directionOf(stroke.from, stroke.to);
        const double normal = leftSurfaceNormal(bench, stroke.from.y);
        EXPECT_NEAR(angleToNormal(arriving, normal), angleToNormal(leaving, normal), tolerance)
            << what;
        EXPECT_TRUE(staysInFrontOfTheLeftSurface(bench, stroke)) << what;
        arriving = leaving;
    }
}

BenchState mirrorBench(int kind, double radiusFactor) {
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.deviceWidth = 5;
    bench.surfaceKind = {{kind, kPlane}};
    bench.radiusFactor = {{radiusFactor, radiusFactor}};
    // A mirror's vertex lies on the base line, convex or concave.
    bench.surfaceCentreDist = {{radiusFactor * bench.radiusUnit, 0.0}};
    return bench;
}

struct MirrorCase {
    const char* what;
    int kind;
    double radiusFactor;
    SourceAim handles;  // bench pixels; the mirror's base line is at x 382
    int turns;          // reflections drawn
};

TEST(Reflection, everyTurnOffAMirrorKeepsTheAngleEqualAboutItsNormal) {
    const MirrorCase cases[] = {
        {"plane, 30 degrees", kPlane, 2.0, {{209, 0}, {382, 100}}, 1},
        {"plane, 80 degrees", kPlane, 2.0, {{0, 100}, {382, 167}}, 1},
        {"convex, 45 degrees", kConvex, 2.0, {{282, 0}, {382, 100}}, 1},
        {"convex, near the rim", kConvex, 1.0, {{100, 20}, {382, 20}}, 1},
        {"concave, 10 degrees", kConcave, 2.0, {{0, 120}, {382, 188}}, 1},
        {"concave, 64 degrees near the top", kConcave, 2.0, {{314, -8}, {344, 14}}, 2},
        {"concave, 86 degrees near the top", kConcave, 2.0, {{330, -8}, {346, 20}}, 8},
        {"deep concave, grazing up from the rim", kConcave, 1.0, {{-4, 439}, {275, 330}}, 36},
    };
    for (const MirrorCase& c : cases) {
        const BenchState bench = mirrorBench(c.kind, c.radiusFactor);
        TraceSetup setup{bench, bench};
        setup.mirror = true;
        setup.benchWidth = 769;
        const RayPath ray = traceRays(setup, std::span(&c.handles, 1)).at(0);
        ASSERT_TRUE(ray.incidence) << c.what;
        expectTheLawOfReflection(bench, ray, c.what);
        EXPECT_EQ(reflectedStrokes(ray).size(), static_cast<std::size_t>(c.turns)) << c.what;
        // It leaves the arc for good: the last turn runs on the full length.
        const Stroke last = reflectedStrokes(ray).back();
        EXPECT_NEAR(std::hypot(last.to.x - last.from.x, last.to.y - last.from.y), 600.0, kRoundOff)
            << c.what;
    }
}

TEST(Reflection, aRayTurnedAtItsEntryByDenserSurroundingsStaysOutOfTheGlass) {
    // Air of 3.00 against glass of 1.50 turns back every ray beyond 30.0 degrees; a
    // concave face near its top end meets the turned ray again.
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.deviceWidth = 116;
    bench.surfaceKind = {{kConcave, kPlane}};
    bench.surfaceCentreDist = {{bench.radiusFactor[kLeftSide] * bench.radiusUnit, 0.0}};
    bench.airIndex() = 3.0;
    TraceSetup setup{bench, bench};
    setup.benchWidth = 769;
    const SourceAim steep{{300, 0}, {326, 20}};
    const RayPath ray = traceRays(setup, std::span(&steep, 1)).at(0);
    ASSERT_TRUE(ray.incidence);
    expectTheLawOfReflection(bench, ray, "at the entry");
}

TEST(Reflection, theMirrorEditionsSteepConcaveCaseTurnsTwiceAndReadsItsFirstIncidence) {
    // From the start of the reflection edition: the aim dragged up to row 14, the source to
    // (320, 20).
    StartedWindowFixture fixture("Spekvale");
    Treframain& w = fixture.window;
    const auto drag = [&w](Shape& handle, int x, int y) {
        w.dsh1MouseDown(handle, MouseButton::Left, 2, 2);
        w.dsh1MouseMove(handle, x, y);
        w.dsh1MouseUp(handle, MouseButton::Left, x, y);
    };
    drag(w.ssh1, 0, 14 - w.benchCentre(w.ssh1).y);
    const Point at = w.benchCentre(w.dsh1);
    drag(w.dsh1, 320 - at.x + 3, 20 - at.y + 3);

    const RayPath& ray = w.bench.tracedRays.at(0);
    EXPECT_EQ(w.ianglelb.caption, "Angle of Incidence is 63.7 Degrees.");
    EXPECT_GE(reflectedStrokes(ray).size(), 2u);
    expectTheLawOfReflection(w.bench, ray, "Spekvale's steep concave case");
}

}  // namespace
