// SPDX-License-Identifier: MIT
// The tracer in the corners a student reaches by dragging: rays that would meet the device
// before their aim, rays travelling back inside the glass, sources re-placed past the
// device, and experiments that must show no source.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "bench/device_outline.h"
#include "support/main_window_fixture.h"

namespace {

constexpr double kOnTheSurface = 1e-6;
// A direction read off a drawn line of several hundred pixels is good to about this.
constexpr double kDrawnSine = 0.01;
const std::string kNoAngle = "No angle: the ray meets the device first.";

// Drags as the user does: a press, one move with the mouse at (x, y) relative to the
// handle, a release.
void drag(Treframain& w, Shape& handle, int x, int y) {
    w.dsh1MouseDown(handle, MouseButton::Left, 2, 2);
    w.dsh1MouseMove(handle, x, y);
    w.dsh1MouseUp(handle, MouseButton::Left, x, y);
}

// Puts source 1's handle centre at a bench point (the mouse sits 3 pixels into the
// handle, whose centre is 2 pixels in).
void dragSourceTo(Treframain& w, Point bench) {
    const Point at = w.benchCentre(w.dsh1);
    drag(w, w.dsh1, bench.x - at.x + 3, bench.y - at.y + 3);
}

void dragAimBy(Treframain& w, int dy) {
    drag(w, w.ssh1, 0, dy);
}

const RayPath& firstRay(const Treframain& w) {
    return w.bench.tracedRays.front();
}

// The device-frame point drawn at a bench pixel.
Point benchPixel(const Treframain& w, Vec2 p) {
    return {static_cast<int>(p.x) + w.bench.deviceOffsetX,
            static_cast<int>(p.y) + w.bench.deviceOffsetY};
}

bool drawsLineFrom(const std::vector<DrawCall>& lines, Point from) {
    for (const DrawCall& line : lines) {
        if (line.args[0] == from.x && line.args[1] == from.y) {
            return true;
        }
    }
    return false;
}

struct BlockedCase {
    const char* name;
    const char* edition;
    std::function<void(Treframain&)> arrange;
};

class BlockedRay : public ::testing::TestWithParam<BlockedCase> {};

// The incident ray stops where it first meets the device, nothing of it goes on from its
// aim point, and the read-out shows no angle.
TEST_P(BlockedRay, stopsWhereItFirstMeetsTheDeviceWithNoAngle) {
    StartedWindowFixture fixture(GetParam().edition);
    Treframain& w = fixture.window;
    GetParam().arrange(w);
    fixture.bench().clear();
    w.plotbtClick();

    ASSERT_EQ(w.bench.tracedRays.size(), 1u);
    const RayPath& ray = firstRay(w);
    EXPECT_FALSE(ray.incidence);
    EXPECT_EQ(ray.exit.surface, ExitSurface::None);
    EXPECT_EQ(w.ianglelb.caption, kNoAngle);
    // It ends on the left surface short of its aim, the way it was heading.
    EXPECT_NEAR(ray.incidentEnd.x, leftSurfaceX(w.bench, ray.incidentEnd.y), kOnTheSurface);
    EXPECT_GT(std::hypot(ray.aim.x - ray.incidentEnd.x, ray.aim.y - ray.incidentEnd.y), 5.0);
    const std::vector<DrawCall> lines = fixture.bench().linesIn(w.bench.sourceColour);
    EXPECT_TRUE(drawsLineFrom(lines, benchPixel(w, ray.start)));
    EXPECT_FALSE(drawsLineFrom(lines, benchPixel(w, ray.aim)));
    EXPECT_FALSE(
        drawsLineFrom(fixture.bench().linesIn(w.bench.rayColours[1]), benchPixel(w, ray.aim)));
}

INSTANTIATE_TEST_SUITE_P(
    Corners, BlockedRay,
    ::testing::Values(
        // Aimed at the top of the start-up lens from low down behind its bulge: the ray
        // would cross the glass on its way up (read "107.0 Degrees" before).
        BlockedCase{"throughTheLensBulge", "Lumivex",
                    [](Treframain& w) {
                        dragAimBy(w, -1000);
                        dragSourceTo(w, {334, 297});
                    }},
        // The mirror's bulge lies in the way too: the ray stops on the mirror's face.
        BlockedCase{"acrossTheMirrorsBulge", "Spekvale",
                    [](Treframain& w) {
                        w.ConvexMirror1.click();
                        w.scalesb.setPosition(10);
                        dragAimBy(w, -1000);
                        dragSourceTo(w, {w.bench.deviceLeftX - 20, 297});
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RayEntry, aRayAlongThePlaneFaceOrWithNoLengthDoesNotEnter) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.Rectangularprism1.click();
    // Straight down onto the plane face: an angle of incidence of 90 degrees.
    w.dsh1.left = w.ssh1.left;
    w.dsh1.top = w.ssh1.top - 100;
    w.plotbtClick();
    EXPECT_FALSE(firstRay(w).incidence);
    EXPECT_EQ(w.ianglelb.caption, kNoAngle);
    // A source on its aim point has no direction to travel, and nothing meets the device.
    w.dsh1.top = w.ssh1.top;
    w.plotbtClick();
    EXPECT_FALSE(firstRay(w).incidentAngle);
    EXPECT_EQ(w.ianglelb.caption, "No angle: the source stands on its aim point.");
    EXPECT_EQ(w.accessibleName(w.dsh1), "Source 1, it stands on its aim point");
    // An ordinary ray still reads its angle.
    w.dsh1.left = w.ssh1.left - 173;
    w.dsh1.top = w.ssh1.top - 100;
    w.plotbtClick();
    EXPECT_EQ(w.ianglelb.caption, "Angle of Incidence is 30.0 Degrees.");
}

// The circular lens in air of index 3.00, its aim 57 near the top: refracted into the
// rarer glass, steep rays bend away from the normal.
struct DenseAir : StartedWindowFixture {
    explicit DenseAir(Point source) {
        w.CircularLens1.click();
        w.airindex.setPosition(300);
        dragAimBy(w, 57 - w.ssh1.top);
        dragSourceTo(w, source);
        bench().clear();
        w.plotbtClick();
    }
    Treframain& w = window;
};

struct LeftExitCase {
    const char* name;
    Point source;  // bench centre of the source handle
};

class LeftExit : public ::testing::TestWithParam<LeftExitCase> {};

// Refracted into the rarer glass, a steep ray bends so far from the normal that it runs
// back towards the light: it crosses the glass to the left surface and leaves there, by
// Snell's law, never through the right surface behind it or through its circle's far half
// (where the exit was drawn before, 40 degrees off).
TEST_P(LeftExit, leavesThroughTheLeftSurfaceBySnellsLaw) {
    DenseAir lens(GetParam().source);
    const Treframain& w = lens.w;
    const RayPath& ray = firstRay(w);
    ASSERT_TRUE(ray.incidence);
    ASSERT_EQ(ray.exit.surface, ExitSurface::Left);
    EXPECT_NEAR(ray.exit.point.x, leftSurfaceX(w.bench, ray.exit.point.y), kOnTheSurface);
    EXPECT_GT(ray.exit.point.y, ray.aim.y);

    // The outward normal points away from the left surface's centre of curvature.
    const SurfaceCircle circle = *leftSurfaceCircle(w.bench);
    const double outward =
        std::atan2(-(ray.exit.point.y - circle.centre.y), ray.exit.point.x - circle.centre.x);
    const double inside = std::atan2(-(ray.exit.point.y - ray.aim.y), ray.exit.point.x - ray.aim.x);
    const Point exit = benchPixel(w, ray.exit.point);
    std::optional<double> emergent;
    for (const DrawCall& line : lens.bench().linesIn(w.bench.rayColours[1])) {
        if (line.args[0] == exit.x && line.args[1] == exit.y && line.pen.style == PenStyle::Solid) {
            emergent = std::atan2(-(line.args[3] - line.args[1]), line.args[2] - line.args[0]);
        }
    }
    ASSERT_TRUE(emergent);
    const double glass = 1.50;  // one colour traces the index shown
    EXPECT_NEAR(std::sin(inside - outward) * glass, std::sin(*emergent - outward) * 3.0,
                kDrawnSine);
    EXPECT_LT(std::cos(*emergent), 0.0);  // away to the left
}

INSTANTIATE_TEST_SUITE_P(DenseAir, LeftExit,
                         ::testing::Values(LeftExitCase{"nearTheBottomCorner", {50, -400}},
                                           LeftExitCase{"backDownTheFace", {150, -400}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SourcePlacement, aPointSourceReplacedByAZoomStaysLeftOfTheDeviceAndItsAims) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.CircularLens1.click();
    w.Pointsource1.click();
    drag(w, w.dsh1, 1000, -120);
    w.scalesb.setPosition(40);
    ASSERT_EQ(w.bench.tracedRays.size(), 3u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_LT(w.sourceHandle(i).left, w.bench.deviceLeftX) << "source " << i;
        EXPECT_LT(w.sourceHandle(i).left, w.aimHandle(i).left) << "source " << i;
    }
    // Every ray travels from its source towards its aim, to the right.
    for (const RayPath& ray : w.bench.tracedRays) {
        ASSERT_TRUE(ray.incidentAngle);
        EXPECT_GT(std::cos(*ray.incidentAngle), 0.0) << "source " << ray.source;
    }
}

TEST(SourcePlacement, aSourcePushedBackByAZoomStopsWhereADraggedOneStops) {
    StartedWindowFixture fixture("Spekvale");
    Treframain& w = fixture.window;
    w.scalesb.setPosition(7);
    w.N34.click();
    w.focus.focus(w.leftcb);
    w.leftcb.userSelect(1);
    dragSourceTo(w, {458, 402});
    w.scalesb.setPosition(11);
    const int zoomed = w.dsh1.left;
    drag(w, w.dsh1, 1000, 3);
    EXPECT_EQ(zoomed, w.dsh1.left);
}

TEST(SourcePlacement, aPointSourcePushedBackByABulgingSurfaceKeepsItsThreeRaysTogether) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.Pointsource1.click();
    drag(w, w.dsh1, 1000, -300);  // steeply above, as close to the lens as a source goes
    w.lradiussb.setPosition(10);
    EXPECT_LT(w.dsh1.left, w.bench.deviceLeftX);
    for (const Shape* source : {&w.dsh2, &w.dsh3}) {
        EXPECT_EQ(source->left, w.dsh1.left);
        EXPECT_EQ(source->top, w.dsh1.top);
    }
}

TEST(SourcePlacement, aTorchPointsFromItsSourceTowardsItsAimWhereverTheyLie) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.dsh1.left = w.ssh1.left + 50;  // right of its aim, on the same row
    w.dsh1.top = w.ssh1.top;
    fixture.bench().clear();
    w.flashlightbtClick();
    // The beam's arrowhead tip lies 40 pixels ahead of the lamp: towards the aim, left.
    const Point lamp{w.dsh1.left - w.planeim.left + 3, w.dsh1.top - w.planeim.top + 3};
    const std::vector<DrawCall> polygons = fixture.bench().callsOf(DrawOp::Polygon);
    ASSERT_FALSE(polygons.empty());
    EXPECT_EQ(polygons.back().points.front().x, lamp.x - 40);
    EXPECT_EQ(polygons.back().points.front().y, lamp.y);
}

TEST(Experiments, theDoubleLensesShowNoSourceEvenAfterThePointSource) {
    for (MenuItem Treframain::*experiment :
         {&Treframain::DoubleConvexLens1, &Treframain::DoubleConcaveLens1}) {
        StartedWindowFixture fixture;
        Treframain& w = fixture.window;
        w.Pointsource1.click();
        (w.*experiment).click();
        EXPECT_FALSE(w.Pointsource1.checked);
        EXPECT_EQ(w.sourceCount, 0);
        EXPECT_TRUE(w.bench.tracedRays.empty());
        fixture.bench().clear();
        w.plotbtClick();
        EXPECT_TRUE(fixture.bench().callsOf(DrawOp::Polygon).empty());  // no torch
        for (int i = 1; i <= 3; ++i) {
            EXPECT_FALSE(w.sourceHandle(i).visible || w.aimHandle(i).visible ||
                         w.middleHandle(i).visible);
        }
    }
}

TEST(Experiments, switchingThePointSourceOffShowsEveryHandleOfItsOneSource) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.N02.click();  // no source, then the point source on and off again
    w.Pointsource1.click();
    w.Pointsource1.click();
    EXPECT_EQ(w.sourceCount, 1);
    EXPECT_TRUE(w.dsh1.visible && w.ssh1.visible && w.mid1.visible);
    EXPECT_FALSE(w.ssh2.visible || w.ssh3.visible);
}

}  // namespace
