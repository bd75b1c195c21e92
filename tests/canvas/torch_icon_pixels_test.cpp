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

// What the torch is drawn over, another colour each time, standing in for the rays: a stamp
// that carried any pixel but the torch's own would show on it.
constexpr TColor kBackgrounds[] = {colours::grey, colours::cream, colours::navy};

void drawOver(QtCanvas& canvas, TColor background, Point lens, double direction, const Pen& pen,
              const TorchLook& look) {
    canvas.brush.color = canvas.pen.color = background;
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
    canvas.pen = pen;
    canvas.brush = {colours::red, BrushStyle::Clear};
    drawTorchIcon(canvas, lens, direction, look);
}

// What drawing a torch leaves: the picture and the canvas's state.
struct Drawn {
    QImage image;
    Pen pen;
    Brush brush;
    Point position;
    bool operator==(const Drawn&) const = default;
};

Drawn drawnOn(const QtCanvas& canvas) {
    return {canvas.image(), canvas.pen, canvas.brush, canvas.penPos()};
}

// The torch as a canvas that has never seen it draws it.
Drawn freshlyDrawn(int width, int height, TColor background, Point lens, double direction,
                   const Pen& pen, const TorchLook& look) {
    QtCanvas canvas(width, height);
    drawOver(canvas, background, lens, direction, pen, look);
    return drawnOn(canvas);
}

struct TorchPlace {
    const char* name;
    Point lens;
    int directions;  // how many, evenly spread round the circle
};

class TorchStamp : public testing::TestWithParam<TorchPlace> {};

// A torch is drawn the first time, captured the second and put back from its stamp the
// third: each time the pixels, pen, brush and position are those of a fresh drawing. One
// canvas takes every pen and look in turn, so that a stamp kept for one is never taken for
// another.
TEST_P(TorchStamp, putsBackExactlyWhatDrawingTheTorchWrites) {
    const TorchPlace& place = GetParam();
    const std::vector<Pen> pens{{colours::orange, 1, PenStyle::Solid},
                                {colours::blue, 1, PenStyle::Dot},
                                {colours::red, 2, PenStyle::Solid},
                                {colours::orange, 3, PenStyle::Solid}};
    for (int turn = 0; turn < place.directions; ++turn) {
        const double direction = 2 * std::numbers::pi * turn / place.directions - 0.3;
        QtCanvas kept(kWidth, kHeight);
        for (const Pen& pen : pens) {
            for (const TorchLook look : {TorchLook{true, colours::green}, TorchLook{false}}) {
                for (const TColor background : kBackgrounds) {
                    drawOver(kept, background, place.lens, direction, pen, look);
                    ASSERT_TRUE(drawnOn(kept) == freshlyDrawn(kWidth, kHeight, background,
                                                              place.lens, direction, pen, look))
                        << "direction " << direction << ", pen width " << pen.width << ", body "
                        << look.body << ", over " << background;
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

TEST(TorchStampUse, aTorchKeptBeforeTheCanvasShrankIsClippedToItsNewSize) {
    // Pointing right from near the new right edge: its arrowhead is cut off there.
    const Point lens{60, 25};
    QtCanvas kept(kWidth, kHeight);
    for (int time = 0; time < 2; ++time) {
        drawOver(kept, colours::grey, lens, 0.0, Pen{}, TorchLook{});
    }
    kept.resize(70, 50);
    drawOver(kept, colours::grey, lens, 0.0, Pen{}, TorchLook{});
    EXPECT_TRUE(drawnOn(kept) ==
                freshlyDrawn(70, 50, colours::grey, lens, 0.0, Pen{}, TorchLook{}));
}

}  // namespace
