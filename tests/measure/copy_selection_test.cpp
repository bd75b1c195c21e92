// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <vector>

#include "support/main_window_fixture.h"

namespace {

struct SelectingWindow : StartedWindowFixture {
    SelectingWindow() { window.Enablecopyselect1.click(); }

    RecordingCanvas& selection() { return static_cast<RecordingCanvas&>(*window.Image1.canvas); }

    void drag(Point from, Point to) {
        window.planeimMouseDown(MouseButton::Left, from.x, from.y);
        window.planeimMouseMove(to.x, to.y);
        window.planeimMouseUp(MouseButton::Left, to.x, to.y);
    }
};

// A copy from the bench picture, as the selection canvas recorded it: the destination
// rectangle, then the source rectangle.
std::vector<int> copyArgs(Point destEnd, Rect source) {
    return {0, 0, destEnd.x, destEnd.y, source.left, source.top, source.right, source.bottom};
}

TEST(CopySelection, theMenuItemSwitchesSelectingOnAndOff) {
    StartedWindowFixture fixture;
    EXPECT_FALSE(fixture.window.Enablecopyselect1.checked);
    fixture.window.Enablecopyselect1.click();
    EXPECT_TRUE(fixture.window.Enablecopyselect1.checked);
    fixture.window.Enablecopyselect1.click();
    EXPECT_FALSE(fixture.window.Enablecopyselect1.checked);
}

TEST(CopySelection, pressingStartsAnEmptyFrameAtTheMouseOverThePicture) {
    SelectingWindow fixture;
    Treframain& w = fixture.window;
    w.planeimMouseDown(MouseButton::Left, 300, 200);
    EXPECT_TRUE(w.copySelecting.anchor().has_value());
    EXPECT_TRUE(w.copyshape.visible);
    EXPECT_EQ(w.copyshape.left, 314);
    EXPECT_EQ(w.copyshape.top, 214);
    EXPECT_EQ(w.copyshape.width, 0);
    EXPECT_EQ(w.copyshape.height, 0);
}

TEST(CopySelection, releasingCopiesTheFramedPartOfTheBenchToTheClipboard) {
    SelectingWindow fixture;
    Treframain& w = fixture.window;
    w.planeimMouseDown(MouseButton::Left, 300, 200);
    w.planeimMouseMove(150, 120);
    w.planeimMouseMove(100, 50);
    EXPECT_EQ(w.copyshape.left, 114);
    EXPECT_EQ(w.copyshape.top, 64);
    EXPECT_EQ(w.copyshape.width, 200);
    EXPECT_EQ(w.copyshape.height, 150);
    EXPECT_EQ(fixture.platform.clipboardCount, 0);

    w.planeimMouseUp(MouseButton::Left, 100, 50);
    EXPECT_FALSE(w.copySelecting.anchor().has_value());
    EXPECT_FALSE(w.copyshape.visible);
    EXPECT_EQ(fixture.selection().width(), 200);
    EXPECT_EQ(fixture.selection().height(), 150);
    const auto copies = fixture.selection().callsOf(DrawOp::CopyRect);
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].args, copyArgs({200, 150}, {100, 50, 300, 200}));
    EXPECT_EQ(fixture.platform.clipboardCount, 1);
    EXPECT_EQ(fixture.platform.clipboardPicture, w.Image1.canvas.get());
}

TEST(CopySelection, everyDirectionOfDragGivesTheSameRectangle) {
    const std::pair<Point, Point> drags[] = {{{100, 50}, {300, 200}},
                                             {{300, 200}, {100, 50}},
                                             {{300, 50}, {100, 200}},
                                             {{100, 200}, {300, 50}}};
    for (const auto& [from, to] : drags) {
        SelectingWindow fixture;
        fixture.drag(from, to);
        const auto copies = fixture.selection().callsOf(DrawOp::CopyRect);
        ASSERT_EQ(copies.size(), 1U);
        EXPECT_EQ(copies[0].args, copyArgs({200, 150}, {100, 50, 300, 200}))
            << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
}

// The frame follows the mouse past the picture's edges; the copy takes the frame as it is
// (what lies beyond the picture is for the canvas to leave white).
TEST(CopySelection, aFrameReachingPastThePictureIsCopiedAsFramed) {
    SelectingWindow fixture;
    fixture.drag({700, 300}, {-20, 400});
    const auto copies = fixture.selection().callsOf(DrawOp::CopyRect);
    ASSERT_EQ(copies.size(), 1U);
    EXPECT_EQ(copies[0].args, copyArgs({720, 100}, {-20, 300, 700, 400}));
}

// A click, or a drag along a single row or column, frames no area: nothing is copied and
// the clipboard keeps what it held.
TEST(CopySelection, aFrameWithoutAreaCopiesNothing) {
    const std::pair<Point, Point> drags[] = {
        {{300, 200}, {300, 200}}, {{300, 200}, {300, 50}}, {{300, 200}, {100, 200}}};
    for (const auto& [from, to] : drags) {
        SelectingWindow fixture;
        fixture.drag(from, to);
        EXPECT_EQ(fixture.platform.clipboardCount, 0);
        EXPECT_TRUE(fixture.selection().callsOf(DrawOp::CopyRect).empty());
        EXPECT_FALSE(fixture.window.copyshape.visible);
        EXPECT_FALSE(fixture.window.copySelecting.anchor().has_value());
    }
}

TEST(CopySelection, withTheSwitchOffDraggingOnTheBenchFramesNothing) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.planeimMouseDown(MouseButton::Left, 300, 200);
    w.planeimMouseMove(100, 50);
    w.planeimMouseUp(MouseButton::Left, 100, 50);
    EXPECT_FALSE(w.copyshape.visible);
    EXPECT_EQ(fixture.platform.clipboardCount, 0);
}

TEST(CopySelection, underTheMeasuringCrossNoSelectionStarts) {
    SelectingWindow fixture;
    Treframain& w = fixture.window;
    w.planeim.cursor = Cursor::Cross;
    w.planeimMouseDown(MouseButton::Left, 300, 200);
    EXPECT_FALSE(w.copySelecting.anchor().has_value());
    EXPECT_FALSE(w.copyshape.visible);
    w.planeimMouseUp(MouseButton::Left, 100, 50);
    EXPECT_EQ(fixture.platform.clipboardCount, 0);
}

// Switched on, Measure takes the bench's clicks at once, before the mouse has moved and
// the cross shows.
TEST(CopySelection, whileMeasuringNoSelectionStartsEvenBeforeTheCrossShows) {
    SelectingWindow fixture;
    Treframain& w = fixture.window;
    w.domeasurecb.setChecked(true);
    ASSERT_EQ(w.planeim.cursor, Cursor::Arrow);
    fixture.drag({300, 200}, {100, 50});
    EXPECT_FALSE(w.copyshape.visible);
    EXPECT_EQ(fixture.platform.clipboardCount, 0);
}

TEST(CopySelection, switchingCopyingOffDropsAFrameUnderWay) {
    SelectingWindow fixture;
    Treframain& w = fixture.window;
    w.planeimMouseDown(MouseButton::Right, 30, 40);
    w.planeimMouseMove(10, 10);
    EXPECT_EQ(w.copyshape.left, 24);
    EXPECT_EQ(w.copyshape.top, 24);
    EXPECT_EQ(w.copyshape.width, 20);
    EXPECT_EQ(w.copyshape.height, 30);
    w.Enablecopyselect1.click();
    EXPECT_FALSE(w.copyshape.visible);
    w.planeimMouseUp(MouseButton::Right, 10, 10);
    EXPECT_EQ(fixture.platform.clipboardCount, 0);
}

}  // namespace
