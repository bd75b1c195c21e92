// SPDX-License-Identifier: MIT
#include "practice/ruler_exercise.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "practice_window.h"

namespace {

using std::numbers::pi;
constexpr double kPixelTolerance = 1e-9;
const Point kCentre{198, 122};
// Length 132.5 straight down the picture: features 66.25 pixels above and below the centre.
const RulerExercise kVertical{0, 132.5};

TEST(RulerExercise, generationSpreadsTheDirectionAndLengthOverTheirRanges) {
    SequenceRandom random({0.25, 0.5, 0.0, 0.0});
    const RulerExercise first = generateRulerExercise(random, 245);
    EXPECT_NEAR(first.exerciseAngle, pi / 2, kPixelTolerance);
    EXPECT_NEAR(first.exerciseLength, 132.5, kPixelTolerance);
    const RulerExercise shortest = generateRulerExercise(random, 245);
    EXPECT_EQ(shortest.exerciseAngle, 0.0);
    EXPECT_NEAR(shortest.exerciseLength, 20, kPixelTolerance);
}

TEST(RulerExercise, twoPointsAreBlackDiscsTheLengthApart) {
    RecordingCanvas canvas(397, 245);
    drawRulerFigure(canvas, kCentre, kVertical, RulerFigure::TwoPoints);
    const auto discs = canvas.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(discs.size(), 2u);
    EXPECT_EQ(discs[0].args, (std::vector<int>{195, 53, 201, 59}));
    EXPECT_EQ(discs[1].args, (std::vector<int>{195, 185, 201, 191}));
    EXPECT_EQ(discs[0].brush, (Brush{colours::black, BrushStyle::Solid}));
    EXPECT_TRUE(canvas.callsOf(DrawOp::Line).empty());
}

TEST(RulerExercise, wavefrontsAreTwoParallelLinesAcrossTheDirection) {
    RecordingCanvas canvas(397, 245);
    drawRulerFigure(canvas, kCentre, kVertical, RulerFigure::Wavefronts);
    const auto lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(segment(lines[0]), (std::vector<int>{48, 56, 348, 56}));
    EXPECT_EQ(segment(lines[1]), (std::vector<int>{348, 188, 48, 188}));
    EXPECT_EQ(lines[0].pen, (Pen{colours::black, 2, PenStyle::Solid}));
    EXPECT_EQ(canvas.pen.width, 1);
}

TEST(RulerExercise, pointAndLineDrawsTheLineNearTheStartAndTheDiscBeyond) {
    RecordingCanvas canvas(397, 245);
    drawRulerFigure(canvas, kCentre, kVertical, RulerFigure::PointAndLine);
    const auto lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(segment(lines[0]), (std::vector<int>{48, 56, 348, 56}));
    const auto discs = canvas.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].args, (std::vector<int>{195, 185, 201, 191}));
}

struct RulerPage : PracticeWindow {
    RulerPage() { window.practicenb.setPageIndex(1); }
};

TEST(RulerTool, liesToTheRightOfTheMouseWithTwentyEightTicks) {
    RulerPage practice;
    practice.canvas().clear();
    practice.window.proimMouseMove(50, 100);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 20.0");
    EXPECT_NEAR(practice.window.tool.reading, 20, kPixelTolerance);

    const auto grey = practice.canvas().linesIn(colours::grey);
    ASSERT_EQ(grey.size(), 29u);
    EXPECT_EQ(segment(grey[0]), (std::vector<int>{50, 100, 850, 100}));
    for (int i = 1; i <= 28; ++i) {
        const DrawCall& tick = grey[i];
        EXPECT_EQ(tick.args[0], 50 + 25 * i) << i;
        EXPECT_EQ(tick.args[2], 50 + 25 * i) << i;
        EXPECT_GT(tick.args[1], 100) << i;
        EXPECT_LT(tick.args[3], 100) << i;
        EXPECT_EQ(tick.pen.width, i % 4 == 0 ? 3 : 1) << i;
    }
    const auto bars = practice.canvas().linesIn(colours::black);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_EQ(segment(bars[0]), (std::vector<int>{70, 85, 70, 115}));
    EXPECT_EQ(segment(bars[1]), (std::vector<int>{50, 85, 50, 115}));
    EXPECT_EQ(bars[0].pen.width, 2);
}

TEST(RulerTool, turnsToTheMouseAfterOneClickAndFreezesAfterTwo) {
    RulerPage practice;
    practice.window.proimMouseMove(50, 100);
    practice.clickPicture(50, 100);
    practice.window.proimMouseMove(80, 140);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 50.0");
    EXPECT_NEAR(practice.window.tool.reading, 50, kPixelTolerance);

    practice.clickPicture(80, 140);
    practice.window.proimMouseMove(300, 10);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 50.0");
    EXPECT_EQ(practice.window.tool.aim.x, 80);
    EXPECT_EQ(practice.window.tool.aim.y, 140);

    practice.clickPicture(300, 10);
    practice.window.proimMouseMove(300, 10);
    EXPECT_EQ(practice.window.tool.origin.x, 300);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 20.0");
}

TEST(RulerTool, theLabelKeepsItsLayoutTextUntilTheMouseMoves) {
    RulerPage practice;
    EXPECT_EQ(practice.window.anallb.caption, "Length is: 0");
}

TEST(RulerTool, theMouseOnTheZeroEndOrFarAwayGivesAFiniteReading) {
    RulerPage practice;
    practice.window.proimMouseMove(50, 100);
    practice.clickPicture(50, 100);

    practice.window.proimMouseMove(50, 100);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 0.0");
    EXPECT_NEAR(practice.window.tool.angle, 3 * pi / 2, kPixelTolerance);

    practice.window.proimMouseMove(100050, 100);
    EXPECT_EQ(practice.window.anallb.caption, "Distance: 100000.0");
    EXPECT_TRUE(std::isfinite(practice.window.tool.angle));
}

TEST(RulerCheck, gradesTheErrorByThreeAndFivePixels) {
    struct Case {
        double reading;
        MessageIcon icon;
    };
    const Case cases[] = {
        {100, MessageIcon::Information}, {102.9, MessageIcon::Information},
        {103, MessageIcon::Warning},     {97, MessageIcon::Warning},
        {104.9, MessageIcon::Warning},   {105, MessageIcon::Error},
        {95, MessageIcon::Error},
    };
    for (const Case& c : cases) {
        RulerPage practice;
        practice.window.ruler.exercise.exerciseLength = 100;
        practice.window.tool.reading = c.reading;
        practice.window.CheckbtClick();
        EXPECT_EQ(practice.lastMessage().icon, c.icon) << c.reading;
    }
}

TEST(RulerCheck, praisesWithACapitalD) {
    RulerPage practice;
    practice.window.ruler.exercise.exerciseLength = 60;
    practice.window.tool.reading = 60;
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Right!\rWell Done!");
    EXPECT_EQ(practice.lastMessage().caption, "Information");
}

TEST(RulerCheck, anUnturnedRulerReadsTwentyAndPassesAShortLength) {
    RulerPage practice;
    practice.window.ruler.exercise.exerciseLength = 22.9;
    practice.window.proimMouseMove(10, 10);
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Information);
}

TEST(RulerPage, choosingAFigureGeneratesANewExercise) {
    RulerPage practice;
    practice.window.proimMouseMove(50, 100);
    practice.clickPicture(50, 100);
    const auto drawsBefore = practice.random.drawsTaken();
    practice.canvas().clear();

    practice.window.wavefrontrb.userClick();
    EXPECT_EQ(practice.random.drawsTaken(), drawsBefore + 2);
    EXPECT_EQ(practice.window.tool.state, 0);
    EXPECT_EQ(practice.canvas().linesIn(colours::black).front().pen.width, 2);
}

}  // namespace
