// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "support/main_window_fixture.h"

namespace {

constexpr double kAngleTolerance = 1e-12;
const Pen kToolGrey{colours::grey, 1, PenStyle::Solid};
constexpr const char* kPhase0Hint =
    "Move mouse and click where you want to start your measurement.";
constexpr const char* kPhase1Hint =
    "Move mouse and click to fix direction of measuring device.  For best accuracy move mouse "
    "away from center.";

// The created window at zoom 1, where 172 pixels make 10 units.
struct Measuring : MainWindowFixture {
    Treframain& w = window;

    void startMeasuring(bool angle) {
        if (angle) {
            w.Anglerb.setChecked(true);
        }
        w.domeasurecb.setChecked(true);
    }
    // A move over the bench; returns what it drew.
    std::vector<DrawCall> moveTo(int x, int y) {
        bench().clear();
        w.planeimMouseMove(x, y);
        return bench().calls;
    }
    void click() { w.planeimMouseUp(MouseButton::Left, 0, 0); }
    bool drewLine(const std::vector<DrawCall>& calls, Pen pen, std::vector<int> args) {
        for (const DrawCall& call : calls) {
            if (call.op == DrawOp::Line && call.pen == pen && call.args == args) {
                return true;
            }
        }
        return false;
    }
    std::vector<Shape*> handles() {
        return {&w.dsh1, &w.dsh2, &w.dsh3, &w.ssh1, &w.ssh2,
                &w.ssh3, &w.mid1, &w.mid2, &w.mid3, &w.centerg};
    }
    std::string shownHandles() {
        std::string shown;
        for (const Shape* handle : handles()) {
            shown += handle->visible ? '1' : '0';
        }
        return shown;
    }
};

TEST(MeasureSwitch, measuringClearsTheBenchOfHandlesAndShowsTheResultLabel) {
    Measuring fixture;
    Treframain& w = fixture.w;
    w.sourceCount = 3;
    for (Shape* handle : fixture.handles()) {
        handle->visible = true;
    }
    fixture.bench().clear();
    w.domeasurecb.setChecked(true);
    EXPECT_EQ(fixture.shownHandles(), "0000000000");
    EXPECT_TRUE(w.anslb.visible);
    EXPECT_EQ(w.anslb.caption, "Distance =");
    EXPECT_EQ(w.measuring.phase(), 0);
    EXPECT_EQ(fixture.bench().callsOf(DrawOp::CopyRect).size(), 1u);

    w.domeasurecb.setChecked(false);
    EXPECT_EQ(fixture.shownHandles(), "1111111111");
    EXPECT_FALSE(w.anslb.visible);
}

TEST(MeasureSwitch, switchingOffShowsTheHandlesOfTheSourcesInUse) {
    const struct {
        int sources;
        bool pointSource;
        const char* shown;  // dsh1..3, ssh1..3, mid1..3, centerg
    } cases[] = {
        {0, false, "0000000001"},
        {1, false, "1001001001"},
        {2, false, "1101101101"},
        {1, true, "1001110001"},
    };
    for (const auto& c : cases) {
        Measuring fixture;
        fixture.w.sourceCount = c.sources;
        fixture.w.Pointsource1.checked = c.pointSource;
        fixture.startMeasuring(false);
        EXPECT_EQ(fixture.shownHandles(), "0000000000");
        fixture.w.domeasurecb.setChecked(false);
        EXPECT_EQ(fixture.shownHandles(), c.shown) << c.sources << c.pointSource;
    }
}

TEST(MeasureSwitch, losingTheWindowsFocusSwitchesMeasuringOff) {
    Measuring fixture;
    fixture.startMeasuring(false);
    fixture.w.FormDeactivate();
    EXPECT_FALSE(fixture.w.domeasurecb.checked());
    EXPECT_FALSE(fixture.w.anslb.visible);
    EXPECT_TRUE(fixture.w.centerg.visible);
}

TEST(MeasureMode, choosingAModeNamesItsReadingAndStartsOver) {
    Measuring fixture;
    Treframain& w = fixture.w;
    measureUnderWay(w, 1);
    w.Anglerb.setChecked(true);
    EXPECT_EQ(w.measureMode, MeasureMode::Angle);
    EXPECT_EQ(w.anslb.caption, "Angles are");
    EXPECT_EQ(w.measuring.phase(), 0);
    measureUnderWay(w, 2);
    w.measurerb.setChecked(true);
    EXPECT_EQ(w.measureMode, MeasureMode::Length);
    EXPECT_EQ(w.anslb.caption, "Distance =");
    EXPECT_EQ(w.measuring.phase(), 0);
}

TEST(BenchRuler, followsTheMouseThenTurnsAboutItsZeroAndReadsTheDistance) {
    Measuring fixture;
    Treframain& w = fixture.w;
    fixture.startMeasuring(false);

    std::vector<DrawCall> drawn = fixture.moveTo(100, 100);
    EXPECT_EQ(w.planeim.cursor, Cursor::Cross);
    EXPECT_EQ(w.hintslb.caption, kPhase0Hint);
    EXPECT_EQ(w.anslb.caption, "Distance = 0.0");
    EXPECT_TRUE(fixture.drewLine(drawn, kToolGrey, {100, 100, 900, 100}));  // lying to the right

    fixture.click();
    EXPECT_EQ(w.measuring.phase(), 1);
    const struct {
        int x, y;
        const char* caption;
    } readings[] = {
        {272, 100, "Distance = 10.0"},
        {100, 186, "Distance = 5.0"},
        {100, 100, "Distance = 0.0"},  // on the zero: the ruler hangs straight down
        {-100000, 100, "Distance = 5819.8"},
    };
    for (const auto& r : readings) {
        drawn = fixture.moveTo(r.x, r.y);
        EXPECT_EQ(w.anslb.caption, r.caption);
        EXPECT_EQ(w.hintslb.caption, kPhase1Hint);
        EXPECT_EQ(fixture.bench().callsOf(DrawOp::CopyRect).size(), 1u);
    }
    EXPECT_NEAR(w.measuring.firstArmAngle(), 0.0, kAngleTolerance);
    fixture.moveTo(100, 100);
    EXPECT_NEAR(w.measuring.firstArmAngle(), 3 * std::numbers::pi / 2, kAngleTolerance);
    drawn = fixture.moveTo(100, 186);
    EXPECT_TRUE(fixture.drewLine(drawn, kToolGrey, {100, 100, 100, 900}));

    // The third click freezes the reading; the fourth starts over.
    fixture.click();
    drawn = fixture.moveTo(300, 300);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(w.anslb.caption, "Distance = 5.0");
    EXPECT_EQ(w.hintslb.caption, kPhase1Hint);
    fixture.click();
    EXPECT_EQ(w.measuring.phase(), 0);
}

// Without a move first (Enter on the bench), the click fixes the origin where it is
// pressed, not where the tool was last carried or a copy selection last ended.
TEST(BenchRuler, aClickWithoutAMoveFixesTheOriginWhereItIsPressed) {
    Measuring fixture;
    Treframain& w = fixture.w;
    fixture.startMeasuring(false);
    fixture.moveTo(50, 50);
    w.planeimMouseDown(MouseButton::Left, 200, 100);
    w.planeimMouseUp(MouseButton::Left, 200, 100);
    fixture.moveTo(372, 100);
    EXPECT_EQ(w.anslb.caption, "Distance = 10.0");
}

TEST(BenchProtractor, readsTheAngleBetweenItsArmsAndItsSupplement) {
    Measuring fixture;
    Treframain& w = fixture.w;
    fixture.startMeasuring(true);
    fixture.moveTo(200, 150);
    fixture.click();
    std::vector<DrawCall> drawn = fixture.moveTo(300, 150);
    EXPECT_TRUE(fixture.drewLine(drawn, kToolGrey, {300, 150, 100, 150}));  // base line
    EXPECT_NEAR(w.measuring.firstArmAngle(), std::numbers::pi, kAngleTolerance);
    fixture.click();

    drawn = fixture.moveTo(200, 50);
    EXPECT_EQ(w.hintslb.caption, "Move mouse and click to fix angle measurement.");
    EXPECT_EQ(w.anslb.caption, "Angles are 90.1 Degrees or 90.0 Degrees.");
    EXPECT_TRUE(fixture.drewLine(drawn, kToolGrey, {170, 150, 230, 150}));  // the fixed base
    const Pen arm{colours::black, 2, PenStyle::Solid};
    EXPECT_TRUE(fixture.drewLine(drawn, arm, {200, 150, 200, 50}));

    // Below the base line: no second arm, and the reading stands.
    drawn = fixture.moveTo(200, 250);
    EXPECT_EQ(w.anslb.caption, "Angles are 90.1 Degrees or 90.0 Degrees.");
    EXPECT_FALSE(fixture.drewLine(drawn, arm, {200, 150, 200, 250}));
    EXPECT_TRUE(fixture.drewLine(drawn, kToolGrey, {170, 150, 230, 150}));

    drawn = fixture.moveTo(100, 149);  // nearly along the first arm's far side
    EXPECT_EQ(w.anslb.caption, "Angles are 179.5 Degrees or 0.5 Degrees.");

    // The fourth click freezes it, the fifth starts over.
    fixture.click();
    EXPECT_TRUE(fixture.moveTo(200, 50).empty());
    fixture.click();
    EXPECT_EQ(w.measuring.phase(), 0);
}

TEST(BenchMouse, withMeasuringOffTheBenchOffersTheCopy) {
    Measuring fixture;
    Treframain& w = fixture.w;
    EXPECT_TRUE(fixture.moveTo(200, 200).empty());
    EXPECT_EQ(w.planeim.cursor, Cursor::Arrow);
    EXPECT_EQ(w.hintslb.caption,
              "Right click to copy image.\rSee Menus to change what is displayed");
}

TEST(BenchMouse, clicksCycleThroughThreePhasesForALengthAndFourForAnAngle) {
    Measuring fixture;
    Treframain& w = fixture.w;
    measureUnderWay(w, 0);
    const int lengthCycle[] = {1, 2, 0};
    for (const int step : lengthCycle) {
        w.planeimMouseUp(MouseButton::Right, 5, 5);
        EXPECT_EQ(w.measuring.phase(), step);
    }
    w.measureMode = MeasureMode::Angle;
    const int angleCycle[] = {1, 2, 3, 0};
    for (const int step : angleCycle) {
        fixture.click();
        EXPECT_EQ(w.measuring.phase(), step);
    }
}

TEST(BenchMouse, handleReleasesBeyondTheCycleFreezeTheToolUntilTheNextBenchClick) {
    Measuring fixture;
    Treframain& w = fixture.w;
    fixture.startMeasuring(false);
    for (int release = 0; release < 5; ++release) {
        w.dsh1MouseUp(w.dsh1, MouseButton::Left, 0, 0);
    }
    EXPECT_TRUE(fixture.moveTo(200, 200).empty());
    fixture.click();
    EXPECT_EQ(w.measuring.phase(), 0);
    EXPECT_FALSE(fixture.moveTo(200, 200).empty());
}

}  // namespace
