// SPDX-License-Identifier: MIT
#include "canvas/torch_icon.h"

#include <gtest/gtest.h>

#include <vector>

#include "canvas/recording_canvas.h"

namespace {

constexpr TColor kOrange = 0x00B9FF;

TEST(TorchIcon, aTorchPointingRightHasItsFrontCornersAboveAndBelowTheLens) {
    RecordingCanvas canvas(769, 344);
    const Point lens{100, 50};
    drawTorchIcon(canvas, lens, 0.0, TorchLook{true, kOrange});

    const auto polygons = canvas.callsOf(DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    const std::vector<Point>& body = polygons[0].points;
    ASSERT_EQ(body.size(), 8u);
    EXPECT_EQ(body.front(), (Point{100, 60}));
    EXPECT_EQ(body.back(), (Point{100, 40}));
    // The handle's back corner (-25, 5) lands one pixel off: 5.099 x sin(168.69 degrees)
    // is 4.9999, truncated to 4. The polar form decides, not the frame point.
    EXPECT_EQ(body[3], (Point{75, 54}));
    EXPECT_EQ(polygons[0].brush.color, colours::black);

    const std::vector<Point>& arrow = polygons[1].points;
    EXPECT_EQ(arrow.front(), (Point{140, 50}));  // the tip, 40 pixels ahead
    EXPECT_EQ(polygons[1].brush.color, kOrange);
    EXPECT_EQ(polygons[1].pen.color, kOrange);

    // The lamp disc, two knobs and the end cap 25 pixels behind.
    const auto discs = canvas.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(discs.size(), 4u);
    EXPECT_EQ(discs[0].args, (std::vector<int>{91, 41, 108, 58}));
    EXPECT_EQ(discs[0].brush.color, colours::yellow);
    EXPECT_EQ(discs[3].args, (std::vector<int>{70, 45, 80, 55}));
    // Left as the drawing after it has always found it: a solid white brush, the pen in the
    // arrow's colour, at the end of the upper beam stroke.
    EXPECT_EQ(canvas.brush, (Brush{colours::white, BrushStyle::Solid}));
    EXPECT_EQ(canvas.pen.color, kOrange);
    EXPECT_EQ(canvas.penPos(), (Point{112, 43}));
}

TEST(TorchIcon, aPointSourceShowsOnlyItsLampAndTwoBeamStrokes) {
    RecordingCanvas canvas(769, 344);
    canvas.pen = {kOrange, 1, PenStyle::Solid};
    drawTorchIcon(canvas, {100, 50}, 0.0, TorchLook{false, kOrange});
    const auto lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    // 15 pixels at 33 degrees below the beam and 30 degrees above it (y grows downward):
    // (12.58, 8.17) and (12.99, -7.5), each truncated toward zero.
    EXPECT_EQ(lines[0].args, (std::vector<int>{100, 50, 112, 58}));
    EXPECT_EQ(lines[1].args, (std::vector<int>{100, 50, 112, 43}));
    EXPECT_EQ(lines[0].pen.color, kOrange);
    EXPECT_EQ(canvas.callsOf(DrawOp::Ellipse).size(), 1u);
    EXPECT_TRUE(canvas.callsOf(DrawOp::Polygon).empty());
    EXPECT_EQ(canvas.pen.color, colours::black);  // the lamp's outline
}

}  // namespace
