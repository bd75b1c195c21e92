// SPDX-License-Identifier: MIT
#include "bench/bench_state.h"

#include <gtest/gtest.h>

#include "support/main_window_fixture.h"

namespace {

constexpr double kTolerance = 1e-3;

TEST(BenchCreation, startsWithTwoConvexSurfacesOfTheLensChordRuleInEitherEdition) {
    for (const char* executable : {"Lumivex", "Spekvale"}) {
        MainWindowFixture fixture(executable);
        const BenchState& bench = fixture.window.bench;
        EXPECT_EQ(bench.benchMidX, 384);
        EXPECT_EQ(bench.benchMidY, 172);
        EXPECT_DOUBLE_EQ(bench.radiusUnit, 172.0);
        EXPECT_EQ(bench.apertureTop, 10);
        EXPECT_EQ(bench.apertureBottom, 334);
        EXPECT_EQ(bench.surfaceKind[1], kConvex);
        EXPECT_EQ(bench.surfaceKind[2], kConvex);
        // sqrt(344^2 - 162^2) = sqrt(92092)
        EXPECT_NEAR(bench.surfaceCentreDist[1], 303.466, kTolerance);
        EXPECT_NEAR(bench.surfaceCentreDist[2], 303.466, kTolerance);
        EXPECT_DOUBLE_EQ(bench.airIndex(), 1.0);
        EXPECT_DOUBLE_EQ(bench.glassIndex(), 1.5);
    }
}

TEST(BenchCreation, theFirstTracePlacesTheDeviceTwoPixelsOffTheBenchCentre) {
    MainWindowFixture fixture;
    EXPECT_EQ(fixture.window.bench.deviceOffsetX, 2);
    EXPECT_EQ(fixture.window.bench.deviceOffsetY, 2);
    EXPECT_DOUBLE_EQ(fixture.window.bench.deviceWidth, 5.0);
    EXPECT_EQ(fixture.window.form.width, 800);
    EXPECT_EQ(fixture.window.form.height, 600);
}

TEST(BenchCreation, theHandleTableListsSourceAimAndMiddleHandlesInOrder) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    const Shape* expected[] = {&w.dsh1, &w.dsh2, &w.dsh3, &w.ssh1, &w.ssh2,
                               &w.ssh3, &w.mid1, &w.mid2, &w.mid3};
    for (int i = 1; i <= 9; ++i) {
        EXPECT_EQ(w.bench.handleShapes[i], expected[i - 1]) << i;
    }
    // Each aim handle's height against the aperture: 40 px steps over a 324 px aperture.
    EXPECT_NEAR(w.bench.aimHeightRatio[1], -40.0 / 324.0, 1e-12);
    EXPECT_NEAR(w.bench.aimHeightRatio[2], 0.0, 1e-12);
    EXPECT_NEAR(w.bench.aimHeightRatio[3], 40.0 / 324.0, 1e-12);
}

TEST(SurfaceOffset, aConvexLensSurfaceMeetsTheApertureEndsAndBulgesOnTheAxis) {
    BenchState bench;
    bench.benchMidY = 172;
    bench.radiusUnit = 172.0;
    bench.radiusFactor = {{1.0, 1.0}};
    // Radius 172 over a half aperture of 162: centre distance sqrt(172^2 - 162^2) = 57.79.
    bench.surfaceCentreDist = {{chordCentreDistance(172.0, 162), 0.0}};
    EXPECT_NEAR(bench.surfaceCentreDist[1], 57.7927, 1e-4);
    EXPECT_EQ(surfaceOffset(bench, 10, kConvex, 1), 0);
    EXPECT_EQ(surfaceOffset(bench, 334, kConvex, 1), 0);
    EXPECT_EQ(surfaceOffset(bench, 172, kConvex, 1), -114);  // -(172 - 57.79), truncated
}

TEST(SurfaceOffset, aConcaveSurfaceHasItsVertexOnTheAxisAndItsEndsFurtherOut) {
    BenchState bench;
    bench.benchMidY = 172;
    bench.radiusUnit = 172.0;
    bench.radiusFactor = {{2.0, 2.0}};
    bench.surfaceCentreDist = {{344.0, 344.0}};
    EXPECT_EQ(surfaceOffset(bench, 172, kConcave, 2), 0);
    // 344 - sqrt(344^2 - 162^2) = 40.53
    EXPECT_EQ(surfaceOffset(bench, 10, kConcave, 2), 40);
    EXPECT_EQ(surfaceOffset(bench, 334, kConcave, 2), 40);
}

TEST(SurfaceOffset, aRowBeyondTheRadiusGivesADefinedOffsetInsteadOfANaN) {
    BenchState bench;
    bench.benchMidY = 172;
    bench.radiusUnit = 10.0;
    bench.radiusFactor = {{1.0, 1.0}};
    bench.surfaceCentreDist = {{10.0, 10.0}};
    EXPECT_EQ(surfaceOffset(bench, 500, kConcave, 1), 10);
}

}  // namespace
