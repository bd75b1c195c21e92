// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numbers>

#include "support/main_window_fixture.h"

namespace {

constexpr double kTolerance = 0.01;

TEST(SurfaceRadius, aConvexLensSideFollowsTheChordRuleAndAConvexMirrorTheRadius) {
    StartedWindowFixture lens;
    lens.window.scalesb.setPosition(12);
    lens.window.lradiussb.setPosition(10);
    EXPECT_EQ(lens.window.lradiuslb.caption, "Radius: 10");
    EXPECT_DOUBLE_EQ(lens.window.bench.radiusFactor[1], 1.0);
    EXPECT_NEAR(lens.window.bench.surfaceCentreDist[1], 57.79, kTolerance);

    StartedWindowFixture mirror("Spekvale");
    Treframain& w = mirror.window;
    w.scalesb.setPosition(12);
    w.leftcb.userSelect(1);  // Convex
    w.lradiussb.setPosition(10);
    EXPECT_NEAR(w.bench.surfaceCentreDist[1], 172.0, kTolerance);
}

TEST(SurfaceKind, planeKeepsTheCentreDistanceAndConvexRecomputesIt) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.scalesb.setPosition(12);
    const double before = w.bench.surfaceCentreDist[2];
    w.rightcb.userSelect(0);
    EXPECT_EQ(w.bench.surfaceKind[2], kPlane);
    EXPECT_DOUBLE_EQ(w.bench.surfaceCentreDist[2], before);
    w.rradiussb.setPosition(10);
    w.rightcb.userSelect(1);
    EXPECT_NEAR(w.bench.surfaceCentreDist[2], 57.79, kTolerance);
    w.rightcb.userSelect(2);
    EXPECT_NEAR(w.bench.surfaceCentreDist[2], 172.0, kTolerance);
}

TEST(SurfaceKind, aSurfaceBulgingOverASourcePushesItBackInFrontOfTheDevice) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.N23.click();
    // The trace first puts each source back along its direction from its aim handle: a
    // source straight above its aim ends up over the device's bulge and is pushed back.
    w.bench.sourceAngle[1] = std::numbers::pi / 2;
    w.dsh3.left = 390;  // hidden: not moved
    w.lradiussb.setPosition(10);
    EXPECT_EQ(w.dsh1.left, w.bench.deviceLeftX - 5);
    EXPECT_EQ(w.dsh2.left, w.ssh2.left - 172);
    EXPECT_EQ(w.dsh3.left, 390);
}

TEST(SurfaceKind, withNoSourcesNoHandleMoves) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.N02.click();
    w.dsh1.left = 390;
    w.lradiussb.setPosition(10);
    EXPECT_EQ(w.dsh1.left, 390);
}

TEST(DeviceWidth, theLabelShowsTheBarAndTheDrawnWidthIsZoomed) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    measureUnderWay(w, 2);
    w.widthsb.setPosition(48);  // at zoom 10/12
    EXPECT_EQ(w.llb.caption, "48");
    EXPECT_DOUBLE_EQ(w.bench.deviceWidth, 40.0);
    EXPECT_EQ(w.measuring.phase(), 0);
}

}  // namespace
