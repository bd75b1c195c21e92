// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <memory>

#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

namespace {

struct SelectingOnPixels {
    RecordingPlatform platform;
    Treframain window{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    SelectingOnPixels() {
        window.FormActivate();
        window.Enablecopyselect1.click();
    }
    void drag(Point from, Point to) {
        window.planeimMouseDown(MouseButton::Left, from.x, from.y);
        window.planeimMouseMove(to.x, to.y);
        window.planeimMouseUp(MouseButton::Left, to.x, to.y);
    }
    const Canvas& bench() { return window.planeCanvas(); }
    const Canvas& selection() { return *window.Image1.canvas; }
};

TEST(CopySelectionPixels, theCopyHoldsTheBenchPixelsUnderTheFrame) {
    SelectingOnPixels fixture;
    fixture.drag({300, 200}, {100, 50});
    ASSERT_EQ(fixture.selection().width(), 200);
    ASSERT_EQ(fixture.selection().height(), 150);
    int differing = 0;
    for (int y = 0; y < 150; ++y) {
        for (int x = 0; x < 200; ++x) {
            differing += fixture.selection().pixel(x, y) != fixture.bench().pixel(100 + x, 50 + y);
        }
    }
    EXPECT_EQ(differing, 0);
}

// Beyond the picture the copy is white, even where an earlier selection of coloured bench
// had left its pixels in the staging picture.
TEST(CopySelectionPixels, whatLiesBeyondThePictureCopiesWhite) {
    SelectingOnPixels fixture;
    const Point cream{5, 5};
    ASSERT_NE(fixture.bench().pixel(cream.x, cream.y), colours::white);
    fixture.drag({0, 0}, {200, 200});

    fixture.drag({719, 294}, {819, 394});  // 50 x 50 of bench, the rest past its corner
    ASSERT_EQ(fixture.selection().width(), 100);
    ASSERT_EQ(fixture.selection().height(), 100);
    EXPECT_EQ(fixture.selection().pixel(0, 0), fixture.bench().pixel(719, 294));
    EXPECT_EQ(fixture.selection().pixel(49, 49), fixture.bench().pixel(768, 343));
    for (const Point beyond :
         {Point{50, 0}, Point{0, 50}, Point{cream.x + 60, cream.y + 60}, Point{99, 99}}) {
        EXPECT_EQ(fixture.selection().pixel(beyond.x, beyond.y), colours::white)
            << beyond.x << "," << beyond.y;
    }
}

}  // namespace
