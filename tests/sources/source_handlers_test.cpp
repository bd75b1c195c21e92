// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/main_window_fixture.h"

namespace {

bool sourceShown(Treframain& w, int i) {
    return w.sourceHandle(i).visible && w.aimHandle(i).visible && w.middleHandle(i).visible;
}
bool sourceHidden(Treframain& w, int i) {
    return !w.sourceHandle(i).visible && !w.aimHandle(i).visible && !w.middleHandle(i).visible;
}

TEST(NumberOfRays, showsTheChosenSourcesAndHidesTheOthers) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.N33.click();
    EXPECT_EQ(w.sourceCount, 3);
    EXPECT_EQ(w.rays11.caption, "Number of &Rays (3)");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(sourceShown(w, i)) << i;
    }
    EXPECT_FALSE(w.ianglelb.visible);

    w.N02.click();
    EXPECT_EQ(w.rays11.caption, "Number of &Rays (0)");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(sourceHidden(w, i)) << i;
    }
    EXPECT_FALSE(w.ianglelb.visible);
    // No source, no torch.
    fixture.bench().clear();
    w.plotbtClick();
    EXPECT_TRUE(fixture.bench().callsOf(DrawOp::Polygon).empty());
}

TEST(NumberOfRays, choosingSourcesWhileMeasuringPutsNoHandleOnTheBench) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.domeasurecb.setChecked(true);
    w.N33.click();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_TRUE(sourceHidden(w, i)) << i;
    }
    w.Pointsource1.click();
    EXPECT_FALSE(w.dsh1.visible || w.ssh1.visible || w.ssh2.visible);
    w.domeasurecb.setChecked(false);
    EXPECT_TRUE(w.dsh1.visible && w.ssh1.visible && w.ssh2.visible && w.ssh3.visible);
}

TEST(NumberOfRays, theReadOutShowsOnlyForOneSourceWithOneSlit) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    const struct {
        MenuItem* rays;
        MenuItem* slits;
        bool shown;
    } cases[] = {{&w.N13, &w.N14, true},
                 {&w.N23, &w.N14, false},
                 {&w.N13, &w.N24, false},
                 {&w.N02, &w.N14, false},
                 {&w.N13, &w.N14, true}};
    for (const auto& c : cases) {
        c.rays->click();
        c.slits->click();
        EXPECT_EQ(w.ianglelb.visible, c.shown) << c.rays->caption << " " << c.slits->caption;
    }
}

TEST(NumberOfSlits, theSlitWidthControlsShowFromTwoSlitsOn) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    for (MenuItem* item : {&w.N24, &w.N34, &w.N42, &w.N52}) {
        item->click();
        EXPECT_TRUE(w.slitlb.visible && w.slb.visible && w.slitsb.visible) << item->caption;
    }
    EXPECT_EQ(w.Slits11.caption, "Number of &Slits (5)");
    w.N14.click();
    EXPECT_FALSE(w.slitlb.visible || w.slb.visible || w.slitsb.visible);
}

TEST(SlitWidth, showsItsValueAndAbandonsAHalfFinishedMeasurement) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    measureUnderWay(w, 1);
    w.slitsb.setPosition(22);
    EXPECT_EQ(w.slb.caption, "22");
    EXPECT_EQ(w.measuring.phase(), 0);
}

TEST(PointSource, oneLampSendsThreeRaysToThreeAimHandlesAndTheCountsAreLocked) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.N33.click();
    w.N34.click();
    w.Pointsource1.click();

    EXPECT_TRUE(w.Pointsource1.checked);
    EXPECT_EQ(w.rays11.caption, "Number of &Rays(1)");
    EXPECT_EQ(w.Slits11.caption, "Number of &Slits(1)");
    EXPECT_FALSE(w.rays11.enabled);
    EXPECT_FALSE(w.Slits11.enabled);
    EXPECT_TRUE(w.dsh1.visible);
    EXPECT_FALSE(w.dsh2.visible || w.dsh3.visible);
    EXPECT_TRUE(w.ssh1.visible && w.ssh2.visible && w.ssh3.visible);
    EXPECT_FALSE(w.mid1.visible || w.mid2.visible || w.mid3.visible);
    for (const Shape* source : {&w.dsh2, &w.dsh3}) {
        EXPECT_EQ(source->left, w.dsh1.left);
        EXPECT_EQ(source->top, w.dsh1.top);
    }
    // The counts are one source and one slit: the read-out shows, the slit width does not.
    EXPECT_TRUE(w.ianglelb.visible);
    EXPECT_FALSE(w.slitsb.visible);
    // One torch, drawn as its lamp alone.
    fixture.bench().clear();
    w.plotbtClick();
    EXPECT_TRUE(fixture.bench().callsOf(DrawOp::Polygon).empty());
    int lamps = 0;
    for (const DrawCall& disc : fixture.bench().callsOf(DrawOp::Ellipse)) {
        lamps += disc.brush.color == colours::yellow ? 1 : 0;
    }
    EXPECT_EQ(lamps, 1);

    w.Pointsource1.click();
    EXPECT_FALSE(w.Pointsource1.checked);
    EXPECT_TRUE(w.rays11.enabled && w.Slits11.enabled);
    EXPECT_TRUE(sourceShown(w, 1));
    EXPECT_TRUE(sourceHidden(w, 2));
    EXPECT_TRUE(sourceHidden(w, 3));
    EXPECT_EQ(w.rays11.caption, "Number of &Rays(1)");
}

}  // namespace
