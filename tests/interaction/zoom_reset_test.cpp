// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/main_window_fixture.h"

namespace {

TEST(Zoom, theLabelShowsThePositionAsAShareOfTheMaximum) {
    MainWindowFixture fixture;
    const struct {
        int position;
        const char* caption;
    } cases[] = {{10, "Zoom: 25%"}, {7, "Zoom: 17%"}, {40, "Zoom: 100%"}, {12, "Zoom: 30%"}};
    for (const auto& c : cases) {
        fixture.window.scalesb.setPosition(c.position);
        EXPECT_EQ(fixture.window.zoomlb.caption, c.caption);
    }
}

TEST(Zoom, scalesTheApertureAndRadiiAboutTheDeviceCentre) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    measureUnderWay(w, 1);
    w.scalesb.setPosition(24);
    EXPECT_DOUBLE_EQ(w.bench.zoomFactor, 2.0);
    EXPECT_EQ(w.bench.apertureTop, 172 - 324);
    EXPECT_EQ(w.bench.apertureBottom, 172 + 324);
    EXPECT_DOUBLE_EQ(w.bench.radiusFactor[1], 4.0);
    // Convex: sqrt(688^2 - 324^2)
    EXPECT_NEAR(w.bench.surfaceCentreDist[1], 606.93, 0.01);
    EXPECT_EQ(w.measuring.phase(), 0);
    w.scalesb.setPosition(12);
    EXPECT_EQ(w.bench.apertureTop, 10);
    EXPECT_EQ(w.bench.apertureBottom, 334);
}

TEST(Zoom, anAimHandleAtTheTopOfTheApertureStaysThere) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.ssh1.top = w.centerg.top - 162;
    w.bench.aimHeightRatio[1] = -0.5;
    w.scalesb.setPosition(20);
    EXPECT_EQ(w.ssh1.top, w.centerg.top - 270);  // half of the new 540-pixel aperture
}

TEST(Reset, linesTheThreeSourcesUpHorizontallyAnEighthOfTheApertureApart) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.sourceCount = 3;
    w.centerg.left += 50;
    w.centerg.top -= 30;
    w.dsh2.top = 20;
    w.scalesb.setPosition(20);
    w.resetbtClick(w.resetbt);

    EXPECT_EQ(w.scalesb.position(), 12);
    EXPECT_EQ(w.centerg.left, 398);
    EXPECT_EQ(w.centerg.top, 186);
    const int offsets[] = {-40, 0, 40};
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(w.sourceHandle(i).top, 186 + offsets[i - 1]) << i;
        EXPECT_EQ(w.aimHandle(i).top, 186 + offsets[i - 1]) << i;
        EXPECT_EQ(w.sourceHandle(i).left, w.aimHandle(i).left - 172) << i;
        EXPECT_DOUBLE_EQ(w.bench.sourceAngle[i], 0.0);
        EXPECT_NEAR(w.bench.aimHeightRatio[i], offsets[i - 1] / 324.0, 1e-12);
    }
    // Source 1 meets the convex face (radius 344) 40 pixels above the axis, where the
    // normal is asin(40 / 344) = 6.68 degrees from the horizontal ray.
    EXPECT_EQ(w.ianglelb.caption, "Angle of Incidence is  6.7 Degrees.");
}

TEST(Reset, atZoom12ItDoesNotRunTheZoomChangeAgain) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    measureUnderWay(w, 2);
    w.zoomlb.caption = "as it was";
    w.resetbtClick(w.resetbt);
    EXPECT_EQ(w.measuring.phase(), 2);
    EXPECT_EQ(w.zoomlb.caption, "as it was");
}

}  // namespace
