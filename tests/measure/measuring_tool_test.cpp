// SPDX-License-Identifier: MIT
#include "measure/measuring_tool.h"

#include <gtest/gtest.h>

#include <numbers>

#include "canvas/recording_canvas.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kAngleTolerance = 1e-12;

TEST(ToolDirection, pointsFromThePointToTheOrigin) {
    const Point origin{100, 100};
    const struct {
        Point p;
        double direction;
    } cases[] = {
        {{120, 100}, kPi},          // right of the origin: the tool lies to the right
        {{80, 100}, 0.0},           // left of it
        {{100, 50}, kPi / 2},       // above it, pointing down the screen
        {{100, 150}, 3 * kPi / 2},  // below it
        {{100, 100}, 3 * kPi / 2},  // on it
        {{0, 0}, kPi / 4},         {{200, 0}, 3 * kPi / 4},
        {{200, 200}, 5 * kPi / 4}, {{0, 200}, -kPi / 4},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(toolDirection(origin, c.p), c.direction, kAngleTolerance)
            << c.p.x << "," << c.p.y;
    }
}

TEST(LengthCaption, roundsHalfUpToOneDecimal) {
    const struct {
        double units;
        const char* caption;
    } cases[] = {{2.45, "Distance = 2.5"},
                 {2.449, "Distance = 2.4"},
                 {0.04, "Distance = 0.0"},
                 {9.96, "Distance = 10.0"}};
    for (const auto& c : cases) {
        EXPECT_EQ(lengthCaption(c.units), c.caption) << c.units;
    }
}

TEST(AngleCaption, addsATenthToTheAngleButNotToItsSupplement) {
    const struct {
        double alpha;
        const char* caption;
    } cases[] = {
        {0.0, "Angles are 0.1 Degrees or 180.0 Degrees."},
        {kPi, "Angles are 180.1 Degrees or 0.0 Degrees."},
        {kPi / 6, "Angles are 30.1 Degrees or 150.0 Degrees."},
        {0.5, "Angles are 28.7 Degrees or 151.3 Degrees."},  // 286.48 and 1513.52 tenths
    };
    for (const auto& c : cases) {
        EXPECT_EQ(angleCaption(c.alpha).value_or("none"), c.caption) << c.alpha;
    }
}

TEST(AngleCaption, beyondTheBaseLineThereIsNoReading) {
    for (const double alpha : {-0.001, -kPi / 2, kPi + 0.001, 3 * kPi / 2}) {
        EXPECT_FALSE(angleCaption(alpha).has_value()) << alpha;
    }
}

TEST(RulerDrawing, marksEveryTwoAndAHalfUnitsHeavyEveryTen) {
    RecordingCanvas canvas(769, 344);
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    // Pointing right from (100, 100), 172 pixels to 10 units: a mark every 43 pixels.
    drawRuler(canvas, {100, 100}, {272, 100}, kPi, 172.0);
    const std::vector<DrawCall> lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 1u + 36u + 2u);
    EXPECT_EQ(lines[0].args, (std::vector<int>{100, 100, 900, 100}));
    for (int i = 1; i <= 36; ++i) {
        const DrawCall& mark = lines[static_cast<std::size_t>(i)];
        EXPECT_EQ(mark.args[0], 100 + 43 * i) << i;
        EXPECT_EQ(mark.args[2], 100 + 43 * i) << i;
        EXPECT_EQ(mark.pen, (Pen{colours::grey, i % 4 == 0 ? 3 : 1, PenStyle::Solid})) << i;
    }
    // Black 30-pixel bars across the ruler, at the mouse and at the zero.
    for (const std::size_t bar : {37u, 38u}) {
        EXPECT_EQ(lines[bar].pen, (Pen{colours::black, 2, PenStyle::Solid}));
        EXPECT_EQ(lines[bar].args[0], lines[bar].args[2]);
        EXPECT_EQ(std::abs(lines[bar].args[3] - lines[bar].args[1]), 30);
    }
    EXPECT_EQ(lines[37].args[0], 272);
    EXPECT_EQ(lines[38].args[0], 100);
    EXPECT_EQ(canvas.pen.width, 1);
}

TEST(ProtractorDrawing, opensOnTheSideAQuarterTurnOnFromItsDirection) {
    RecordingCanvas canvas(769, 344);
    // Lying to the right of (200, 150): the half circles open upwards, drawn
    // counter-clockwise from the right end to the left end.
    drawProtractor(canvas, {200, 150}, kPi);
    const std::vector<DrawCall> arcs = canvas.callsOf(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].args, (std::vector<int>{100, 50, 300, 250, 300, 150, 100, 150}));
    EXPECT_EQ(arcs[1].args, (std::vector<int>{170, 120, 230, 180, 230, 150, 170, 150}));
    const std::vector<DrawCall> lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 1u + 13u);
    // The scale line at 90 degrees runs straight up from radius 30 to radius 100.
    EXPECT_EQ(lines[1 + 6].args, (std::vector<int>{200, 120, 200, 50}));
    // The first and last scale lines lie on the base, to the left and to the right.
    EXPECT_EQ(lines[1].args, (std::vector<int>{170, 150, 100, 150}));
    EXPECT_EQ(lines[13].args, (std::vector<int>{230, 150, 300, 150}));
}

}  // namespace
