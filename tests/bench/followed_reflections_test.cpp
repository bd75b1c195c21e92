// SPDX-License-Identifier: MIT
// A totally reflected ray, followed through the glass ("Follow Internal Reflections"): the law
// of reflection at every turn, Snell's law where it leaves or enters again, never a stroke
// through the outline, the note at the first turn only, and at most 50 turns. Without the
// switch the stub and a ray meeting the device again stop at the outline.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <span>
#include <string>
#include <vector>

#include "bench/device_outline.h"
#include "bench/ray_path.h"
#include "support/lens_outline.h"
#include "support/main_window_fixture.h"

namespace {

// Directions rebuilt from strokes hundreds of pixels long, and sines from them.
constexpr double kRoundOff = 1e-9;

struct Unit {
    double x;
    double y;
};

Unit unitAlong(const Stroke& stroke) {
    const double length = lens_outline::distance(stroke.from, stroke.to);
    return {(stroke.to.x - stroke.from.x) / length, (stroke.to.y - stroke.from.y) / length};
}

double dot(Unit a, Unit b) {
    return a.x * b.x + a.y * b.y;
}

double cross(Unit a, Unit b) {
    return a.x * b.y - a.y * b.x;
}

// The outline's outward normal at one of its points, from plain geometry: away from a convex
// surface's centre, towards a concave one's, straight out of a plane surface or a face.
Unit outwardNormalAt(const BenchFrame& bench, Vec2 p) {
    struct Candidate {
        double distance;
        Unit normal;
    };
    std::vector<Candidate> candidates;
    const auto surface = [&](const std::optional<SurfaceCircle>& circle, double planeX,
                             double planeSense) {
        if (!circle) {
            candidates.push_back({std::fabs(p.x - planeX), {planeSense, 0.0}});
            return;
        }
        const double r = lens_outline::distance(p, circle->centre);
        const double sense = circle->enclosesDevice ? 1.0 : -1.0;
        candidates.push_back(
            {std::fabs(r - circle->radius),
             {sense * (p.x - circle->centre.x) / r, sense * (p.y - circle->centre.y) / r}});
    };
    surface(leftSurfaceCircle(bench), leftSurfaceX(bench, p.y), -1.0);
    surface(rightSurfaceCircle(bench), rightSurfaceX(bench, p.y), 1.0);
    candidates.push_back({std::fabs(p.y - bench.apertureTop), {0.0, -1.0}});
    candidates.push_back({std::fabs(p.y - bench.apertureBottom), {0.0, 1.0}});
    const Candidate* nearest = &candidates.front();
    for (const Candidate& c : candidates) {
        if (c.distance < nearest->distance) {
            nearest = &c;
        }
    }
    return nearest->normal;
}

// What a followed ray did, read off its strokes.
struct FollowedRay {
    int turns = 0;         // internal reflections
    int entriesAgain = 0;  // emergent rays that went in again
    bool leftTheGlass = false;
    int notes = 0;
    Vec2 firstTurn{};
    Vec2 notedAt{};
};

// Checks every meeting of the ray with the outline after its entry against the laws of
// optics, and every stroke against the outline, and tells what the ray did.
FollowedRay checkedRay(const BenchFrame& bench, const RayPath& ray, double glass, double air,
                       const std::string& what) {
    FollowedRay seen;
    const Stroke* previous = nullptr;
    for (const Stroke& stroke : ray.strokes) {
        if (stroke.kind == StrokeKind::Note) {
            ++seen.notes;
            seen.notedAt = stroke.from;
            continue;
        }
        const bool inside = stroke.kind == StrokeKind::Inside;
        const bool outside =
            stroke.kind == StrokeKind::Emergent || stroke.kind == StrokeKind::Reflected;
        if (!inside && !outside) {
            continue;
        }
        EXPECT_FALSE(lens_outline::crossesTheOutline(bench, stroke.from, stroke.to, inside))
            << what << ": a stroke from (" << stroke.from.x << ", " << stroke.from.y << ")";
        const bool wasInside = previous != nullptr && previous->kind == StrokeKind::Inside;
        if (previous != nullptr && lens_outline::distance(stroke.from, stroke.to) > 0.0 &&
            lens_outline::distance(previous->from, previous->to) > 0.0 &&
            (wasInside || previous->kind == StrokeKind::Emergent)) {
            const Vec2 at = stroke.from;
            EXPECT_NEAR(lens_outline::distance(previous->to, at), 0.0, kRoundOff) << what;
            const Unit n = outwardNormalAt(bench, at);
            const Unit in = unitAlong(*previous);
            const Unit out = unitAlong(stroke);
            if (wasInside && inside) {
                // The law of reflection: the normal component turns round, the tangential
                // one stays.
                ++seen.turns;
                if (seen.turns == 1) {
                    seen.firstTurn = at;
                }
                EXPECT_NEAR(dot(out, n), -dot(in, n), kRoundOff) << what << ", turn " << seen.turns;
                EXPECT_NEAR(cross(n, out), cross(n, in), kRoundOff)
                    << what << ", turn " << seen.turns;
                EXPECT_GT(dot(in, n), 0.0) << what;
            } else {
                // Snell's law where it leaves (n_glass sin i = n_air sin r) or goes in again.
                const bool leaving = wasInside;
                seen.leftTheGlass = leaving;
                seen.entriesAgain += leaving ? 0 : 1;
                const double fromIndex = leaving ? glass : air;
                const double toIndex = leaving ? air : glass;
                EXPECT_NEAR(fromIndex * cross(n, in), toIndex * cross(n, out), kRoundOff) << what;
                // Through the outline, the way it goes.
                EXPECT_EQ(dot(in, n) > 0.0, leaving) << what;
                EXPECT_EQ(dot(out, n) > 0.0, leaving) << what;
            }
        }
        previous = &stroke;
    }
    return seen;
}

BenchState lensBench(int leftKind, int rightKind, int leftRadius, int rightRadius, int width,
                     double glass) {
    BenchState bench = createdBench(769, 344, leftRadius, rightRadius);
    bench.surfaceKind = {{leftKind, rightKind}};
    const int halfAperture = bench.benchMidY - bench.apertureTop;
    for (int side = kLeftSide; side <= kRightSide; ++side) {
        const double radius = bench.radiusFactor[side] * bench.radiusUnit;
        bench.surfaceCentreDist[side] =
            bench.surfaceKind[side] == kConvex ? chordCentreDistance(radius, halfAperture) : radius;
    }
    bench.deviceWidth = width;
    bench.glassIndex() = glass;
    return bench;
}

RayPath followed(const BenchState& bench, SourceAim handles, bool follow = true,
                 bool normals = false) {
    TraceSetup setup{bench, bench};
    setup.benchWidth = 769;
    setup.benchHeight = 344;
    setup.normalLength = 35;
    setup.followReflections = follow;
    setup.showNormals = normals;
    return traceRays(setup, std::span(&handles, 1)).at(0);
}

struct FollowCase {
    const char* what;
    BenchState bench;
    SourceAim handles;  // bench pixels; the device is centred on (384, 172)
    int turns;          // internal reflections before it leaves
    ExitSurface exit;
    bool noted;  // the first turn is at a surface, not at a face
};

TEST(FollowedReflection, everyTurnKeepsTheLawOfReflectionUntilTheRayLeavesBySnellsLaw) {
    const FollowCase cases[] = {
        // The semi-circular prism (right): a level ray 130 pixels above the axis meets the
        // curve at 49.1 degrees, beyond glass 1.50's 41.8, turns down, meets the curve again
        // at the same angle, and leaves back through the flat face.
        {"semi-circular prism",
         lensBench(kPlane, kConvex, 10, 10, 57, 1.50),
         {{100, 42}, {356, 42}},
         2,
         ExitSurface::Left,
         true},
        // A thin biconvex lens of glass 3.00 (critical angle 19.5 degrees) turns a steep ray
        // back and forth between its two surfaces down to near its bottom edge.
        {"thin lens of glass 3.00",
         lensBench(kConvex, kConvex, 20, 50, 5, 3.00),
         {{300, 0}, {380, 20}},
         4,
         ExitSurface::Right,
         true},
        // A wide slab: in at 60 degrees, turned at the bottom face, out of the right face
        // parallel to where it came from, as without the switch.
        {"slab",
         lensBench(kPlane, kPlane, 20, 20, 300, 1.50),
         {{133, 127}, {233, 300}},
         1,
         ExitSurface::Right,
         false},
    };
    for (const FollowCase& c : cases) {
        const RayPath ray = followed(c.bench, c.handles);
        ASSERT_TRUE(ray.incidence) << c.what;
        const FollowedRay seen = checkedRay(c.bench, ray, c.bench.glassIndex(), 1.0, c.what);
        EXPECT_EQ(seen.turns, c.turns) << c.what;
        EXPECT_TRUE(seen.leftTheGlass) << c.what;
        EXPECT_EQ(ray.strokes.back().kind, StrokeKind::Emergent) << c.what;
        EXPECT_EQ(ray.exit.surface, c.exit) << c.what;
        // "Internally reflected" stays where it always was: at the first turn at a surface.
        EXPECT_EQ(seen.notes, c.noted ? 1 : 0) << c.what;
        if (c.noted) {
            EXPECT_EQ(seen.notedAt, (Vec2{seen.firstTurn.x + 10, seen.firstTurn.y})) << c.what;
        }
    }
}

TEST(FollowedReflection, withNormalsShownEveryTurnHasItsNormal) {
    const BenchState bench = lensBench(kConvex, kConvex, 20, 50, 5, 3.00);
    const RayPath ray = followed(bench, {{300, 0}, {380, 20}}, true, true);
    std::vector<Vec2> turns;
    std::vector<Vec2> normals;
    for (std::size_t k = 1; k < ray.strokes.size(); ++k) {
        const Stroke& stroke = ray.strokes[k];
        if (stroke.kind == StrokeKind::Normal) {
            normals.push_back(
                {(stroke.from.x + stroke.to.x) / 2, (stroke.from.y + stroke.to.y) / 2});
        } else if (stroke.kind == StrokeKind::Inside && k > 0) {
            turns.push_back(stroke.from);
        }
    }
    // The entry, each of the four turns, and the exit.
    ASSERT_EQ(turns.size(), 5u);
    ASSERT_EQ(normals.size(), 6u);
    for (std::size_t i = 1; i < turns.size(); ++i) {
        EXPECT_NEAR(lens_outline::distance(turns[i], normals[i]), 0.0, kRoundOff) << "turn " << i;
    }
}

TEST(FollowedReflection, aTrappedRayEndsAtItsFiftiethTurn) {
    // A thick plano-convex block of glass 3.00: the ray runs round inside it, every meeting
    // beyond the critical angle of 19.5 degrees.
    const BenchState bench = lensBench(kPlane, kConvex, 20, 20, 116, 3.00);
    const RayPath ray = followed(bench, {{100, -50}, {380, 21}});
    ASSERT_TRUE(ray.incidence);
    const FollowedRay seen = checkedRay(bench, ray, 3.00, 1.0, "trapped");
    EXPECT_EQ(seen.turns, 49);  // the fiftieth ends the ray: nothing leaves it
    EXPECT_FALSE(seen.leftTheGlass);
    const Stroke& last = ray.strokes.back();
    EXPECT_EQ(last.kind, StrokeKind::Inside);
    EXPECT_NEAR(lens_outline::depthInGlass(bench, last.to), 0.0, kRoundOff);
    EXPECT_EQ(ray.exit.surface, ExitSurface::None);
}

// Drags a handle's centre to a bench point, as the keys do: one press, move and release.
void dragCentreTo(Treframain& w, Shape& handle, Point bench) {
    const Point at = w.benchCentre(handle);
    w.moveHandleByKeys(handle, bench.x - at.x, bench.y - at.y);
}

// A thin lens of glass 3.00 seen at zoom 8/12, a ray near its
// top turned back at the right surface. The stub used to run on out through the left one.
void thinLensAtTheTop(Treframain& w) {
    dragCentreTo(w, w.ssh1, {w.benchCentre(w.ssh1).x, 20});
    w.scalesb.setPosition(8);
    w.rradiussb.setPosition(50);
    w.glassindex.setPosition(300);
}

// Near the rim of a concave right surface the emergent ray meets
// the lens again.
void nearAConcaveRim(Treframain& w) {
    w.focus.focus(w.rightcb);
    w.rightcb.userSelect(2);
    w.scalesb.setPosition(24);
    w.moveHandleByKeys(w.centerg, 260, 79);
    w.lradiussb.setPosition(50);
    dragCentreTo(w, w.dsh1, {1, 865});
    w.rradiussb.setPosition(11);
    w.airindex.setPosition(150);
}

std::vector<Stroke> strokesOf(const RayPath& ray, StrokeKind kind) {
    std::vector<Stroke> found;
    for (const Stroke& stroke : ray.strokes) {
        if (stroke.kind == kind) {
            found.push_back(stroke);
        }
    }
    return found;
}

TEST(UnfollowedReflection, theStubStopsAtTheFirstSurfaceItMeets) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    thinLensAtTheTop(w);
    const RayPath& ray = w.bench.tracedRays.at(0);
    ASSERT_EQ(strokesOf(ray, StrokeKind::Note).size(), 1u);
    const std::vector<Stroke> stubs = strokesOf(ray, StrokeKind::Reflected);
    ASSERT_EQ(stubs.size(), 1u);
    const Stroke& stub = stubs[0];
    const int normalLength = static_cast<int>(w.bench.zoomFactor * 35);
    // Short of its full length, it ends on the left surface.
    EXPECT_LT(lens_outline::distance(stub.from, stub.to), normalLength);
    EXPECT_NEAR(stub.to.x, leftSurfaceX(w.bench, stub.to.y), kRoundOff);
    EXPECT_FALSE(lens_outline::crossesTheOutline(w.bench, stub.from, stub.to, true));
}

TEST(UnfollowedReflection, aRayLeavingByTheCornerOfAFaceRunsItsFullLength) {
    // A level ray along the top edge meets a weak convex right surface at its top end,
    // where the normal leans 10.9 degrees up: it leaves 5.6 degrees downwards, past the
    // end of the top face, through nothing but air.
    const BenchState bench = lensBench(kPlane, kConvex, 20, 50, 100, 1.50);
    const RayPath ray = followed(bench, {{100, 10}, {335, 10}}, false);
    const std::vector<Stroke> out = strokesOf(ray, StrokeKind::Emergent);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_NEAR(out[0].from.y, bench.apertureTop, kRoundOff);
    EXPECT_NEAR(lens_outline::distance(out[0].from, out[0].to), 769.0, kRoundOff);
    EXPECT_GT(out[0].to.y, out[0].from.y);
}

TEST(UnfollowedReflection, anEmergentRayMeetingTheDeviceAgainStopsThere) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    nearAConcaveRim(w);
    const RayPath& ray = w.bench.tracedRays.at(0);
    const std::vector<Stroke> out = strokesOf(ray, StrokeKind::Emergent);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(ray.strokes.back().kind, StrokeKind::Emergent);
    EXPECT_LT(lens_outline::distance(out[0].from, out[0].to), w.planeim.width);
    EXPECT_NEAR(lens_outline::depthInGlass(w.bench, out[0].to), 0.0, kRoundOff);
    EXPECT_FALSE(lens_outline::crossesTheOutline(w.bench, out[0].from, out[0].to, false));
}

TEST(FollowedReflection, anEmergentRayMeetingTheDeviceAgainGoesInAgain) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    nearAConcaveRim(w);
    w.FollowReflections1.click();
    const RayPath& ray = w.bench.tracedRays.at(0);
    const FollowedRay seen =
        checkedRay(w.bench, ray, w.bench.glassIndex(), w.bench.airIndex(), "near the rim");
    EXPECT_GE(seen.entriesAgain, 1);
    EXPECT_TRUE(seen.leftTheGlass);
    EXPECT_EQ(ray.strokes.back().kind, StrokeKind::Emergent);
}

}  // namespace
