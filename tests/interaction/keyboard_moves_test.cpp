// SPDX-License-Identifier: MIT
// Handles and the measuring tool from the keyboard, in the model: a key move is the drag
// that moves the handle as far, and the keys' pointer drives the tool as the mouse does.
#include <gtest/gtest.h>

#include "support/main_window_fixture.h"

namespace {

struct TwoWindows {
    StartedWindowFixture byKeys;
    StartedWindowFixture byMouse;
};

struct KeyCase {
    const char* name;
    Shape Treframain::*handle;
    int dx;
    int dy;
    int mouseX;  // where the mouse goes, relative to the handle, for the same move
    int mouseY;
};

class KeyMove : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyMove, isTheDragThatMovesTheHandleAsFar) {
    TwoWindows windows;
    const KeyCase& c = GetParam();
    Treframain& k = windows.byKeys.window;
    Treframain& m = windows.byMouse.window;
    Shape& keyed = k.*c.handle;
    Shape& dragged = m.*c.handle;
    k.moveHandleByKeys(keyed, c.dx, c.dy);

    m.dsh1MouseDown(dragged, MouseButton::Left, 3, 3);
    if (&dragged == &m.centerg) {
        m.centergMouseMove(dragged, c.mouseX, c.mouseY);
    } else if (&dragged == &m.mid1) {
        m.mid1MouseMove(dragged, c.mouseX, c.mouseY);
    } else {
        m.dsh1MouseMove(dragged, c.mouseX, c.mouseY);
    }
    m.dsh1MouseUp(dragged, MouseButton::Left, 3, 3);

    for (Shape Treframain::*h :
         {&Treframain::dsh1, &Treframain::ssh1, &Treframain::mid1, &Treframain::centerg}) {
        EXPECT_EQ((k.*h).left, (m.*h).left);
        EXPECT_EQ((k.*h).top, (m.*h).top);
    }
    EXPECT_EQ(k.ianglelb.caption, m.ianglelb.caption);
    EXPECT_EQ(k.hintslb.caption, m.hintslb.caption);
    EXPECT_EQ(k.measuring.phase(), m.measuring.phase());
    EXPECT_EQ(windows.byKeys.bench().calls.size(), windows.byMouse.bench().calls.size());
}

INSTANTIATE_TEST_SUITE_P(EveryRole, KeyMove,
                         ::testing::Values(
                             // A dragged source keeps the mouse 3 pixels into the handle.
                             KeyCase{"sourceTenUp", &Treframain::dsh1, 0, -10, 3, -7},
                             KeyCase{"sourceOneRight", &Treframain::dsh1, 1, 0, 4, 3},
                             // Aim and middle handles follow the mouse up and down only.
                             KeyCase{"aimOneDown", &Treframain::ssh1, 5, 1, 0, 1},
                             KeyCase{"middleTenDown", &Treframain::mid1, 0, 10, 0, 10},
                             KeyCase{"centreOneLeft", &Treframain::centerg, -1, 0, -1, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyMove, aHiddenHandleDoesNotMove) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    const int top = w.dsh2.top;
    ASSERT_FALSE(w.dsh2.visible);
    w.moveHandleByKeys(w.dsh2, 0, 10);
    EXPECT_EQ(w.dsh2.top, top);
    EXPECT_FALSE(w.bench.handleHeld);
}

TEST(KeyMeasuring, thePointerStartsOnTheLastFocusedHandleAndActsOnlyWhileMeasuring) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.handleFocused(w.ssh1);
    w.movePointerByKeys(1, 0);
    EXPECT_FALSE(w.keyPointer.placed());  // Measure is off

    w.domeasurecb.setChecked(true);
    w.handleFocused(w.dsh1);  // hiding the handles hands the focus on; it does not count
    w.startPointerByKey();
    const Point aim = w.benchCentre(w.ssh1);
    ASSERT_TRUE(w.keyPointer.placed());
    EXPECT_EQ(w.keyPointer.placed()->x, aim.x);
    EXPECT_EQ(w.measuring.origin().x, aim.x);  // the tool's origin follows the pointer in phase 0
    w.clickPointerByKey();
    EXPECT_EQ(w.measuring.phase(), 1);
    w.movePointerByKeys(0, -86);
    EXPECT_EQ(w.measuring.arm().y, aim.y - 86);
}

}  // namespace
