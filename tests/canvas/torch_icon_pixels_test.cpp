// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "canvas/qt_canvas.h"
#include "canvas/torch_icon.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 90;
constexpr TColor kOrange = 0x00B9FF;

// A different colour at every pixel, standing in for the rays a torch is drawn over: a stamp
// that carried any pixel but the torch's own would show on it.
const QtCanvas& rays() {
    static const QtCanvas* const canvas = [] {
        auto* made = new QtCanvas(kWidth, kHeight);
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                made->pen.color = rgb(x * 2, y * 2, 91);
                made->moveTo(x, y);
                made->lineTo(x + 1, y);
            }
        }
        return made;
    }();
    return *canvas;
}

void showRays(QtCanvas& canvas) {
    const Rect whole{0, 0, canvas.width(), canvas.height()};
    canvas.copyRect(whole, rays(), whole);
}

struct TorchPlace {
    const char* name;
    Point lens;
    int directions;  // how many, evenly spread round the circle
};

class TorchStamp : public testing::TestWithParam<TorchPlace> {};

// Drawn a first time the torch is drawn, a second time it is captured, a third time it is put
// back from the stamp: each time over fresh rays, each time what a canvas that never saw the
// torch before draws, and each time leaving the pen, brush and position alike.
TEST_P(TorchStamp, putsBackExactlyThePixelsAndStateOfDrawingTheTorch) {
    const TorchPlace& place = GetParam();
    const std::vector<Pen> pens{{kOrange, 1, PenStyle::Solid},
                                {colours::blue, 1, PenStyle::Dot},
                                {colours::red, 2, PenStyle::Solid},
                                {kOrange, 3, PenStyle::Solid}};
    for (int turn = 0; turn < place.directions; ++turn) {
        const double direction = 2 * std::numbers::pi * turn / place.directions - 0.3;
        for (const Pen& pen : pens) {
            for (const bool body : {true, false}) {
                const TorchLook look{body, colours::green};
                QtCanvas fresh(kWidth, kHeight);
                showRays(fresh);
                fresh.pen = pen;
                drawTorchIcon(fresh, place.lens, direction, look);

                QtCanvas kept(kWidth, kHeight);
                for (const char* time : {"first", "second", "third"}) {
                    showRays(kept);
                    kept.pen = pen;
                    kept.brush = {colours::grey, BrushStyle::Clear};
                    drawTorchIcon(kept, place.lens, direction, look);
                    const std::string what = std::string(time) + " time, direction " +
                                             std::to_string(direction) + ", pen width " +
                                             std::to_string(pen.width) + ", body " +
                                             std::to_string(body);
                    ASSERT_TRUE(kept.image() == fresh.image()) << what;
                    ASSERT_EQ(kept.pen, fresh.pen) << what;
                    ASSERT_EQ(kept.brush, fresh.brush) << what;
                    ASSERT_EQ(kept.penPos(), fresh.penPos()) << what;
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(QtCanvas, TorchStamp,
                         testing::Values(TorchPlace{"wellInside", {60, 45}, 72},
                                         TorchPlace{"onTheLeftEdge", {3, 45}, 12},
                                         TorchPlace{"onTheRightEdge", {117, 40}, 12},
                                         TorchPlace{"onTheTopEdge", {60, 1}, 12},
                                         TorchPlace{"onTheBottomEdge", {55, 89}, 12},
                                         TorchPlace{"inTheTopLeftCorner", {0, 0}, 12},
                                         TorchPlace{"inTheBottomRightCorner", {119, 89}, 12},
                                         TorchPlace{"justOutsideLeft", {-20, 45}, 12},
                                         TorchPlace{"justOutsideBelow", {60, 110}, 12},
                                         TorchPlace{"farOutside", {-1'000'000, 500'000}, 4}),
                         [](const testing::TestParamInfo<TorchPlace>& info) {
                             return std::string(info.param.name);
                         });

TEST(TorchStampUse, aTorchInAnotherPenIsDrawnAnew) {
    QtCanvas kept(kWidth, kHeight);
    for (const TColor colour : {kOrange, kOrange, colours::blue}) {
        showRays(kept);
        kept.pen = {colour, 1, PenStyle::Solid};
        drawTorchIcon(kept, {60, 45}, 0.4, TorchLook{false, kOrange});
    }
    QtCanvas fresh(kWidth, kHeight);
    showRays(fresh);
    fresh.pen = {colours::blue, 1, PenStyle::Solid};
    drawTorchIcon(fresh, {60, 45}, 0.4, TorchLook{false, kOrange});
    EXPECT_TRUE(kept.image() == fresh.image());
}

TEST(TorchStampUse, aTorchKeptBeforeTheCanvasShrankIsClippedToItsNewSize) {
    // Pointing right from near the new right edge: its arrowhead is cut off there.
    const Point lens{60, 25};
    QtCanvas kept(kWidth, kHeight);
    for (int time = 0; time < 2; ++time) {
        kept.pen = Pen{};
        drawTorchIcon(kept, lens, 0.0, TorchLook{});
    }
    kept.resize(70, 50);
    showRays(kept);
    kept.pen = Pen{};
    drawTorchIcon(kept, lens, 0.0, TorchLook{});
    QtCanvas fresh(70, 50);
    showRays(fresh);
    drawTorchIcon(fresh, lens, 0.0, TorchLook{});
    EXPECT_TRUE(kept.image() == fresh.image());
}

}  // namespace
