// SPDX-License-Identifier: MIT
#include "practice/practice_geometry.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>

#include "canvas/recording_canvas.h"

namespace {

using std::numbers::pi;
constexpr double kAngleTolerance = 1e-12;

double fromTenths(double tenths) {
    return tenths * pi / 1800;
}

TEST(PracticeDirection, pointsFromTheGivenPointTowardsTheCentre) {
    const Point centre{100, 100};
    struct Case {
        const char* name;
        Point from;
        double expected;
    };
    const Case cases[] = {
        {"from the right", {120, 100}, pi},
        {"from the left", {50, 100}, 0},
        {"from above", {100, 50}, pi / 2},
        {"from below", {100, 150}, 3 * pi / 2},
        {"from up and to the right", {150, 50}, 3 * pi / 4},
        {"from down and to the left", {50, 150}, -pi / 4},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(directionTowards(c.from, centre), c.expected, kAngleTolerance) << c.name;
        EXPECT_NEAR(rulerDirectionTowards(c.from, centre), c.expected, kAngleTolerance) << c.name;
    }
}

TEST(PracticeDirection, coincidingPointsPointDownForTheProtractorAndUpForTheRuler) {
    EXPECT_NEAR(directionTowards({40, 40}, {40, 40}), pi / 2, kAngleTolerance);
    EXPECT_NEAR(rulerDirectionTowards({40, 40}, {40, 40}), 3 * pi / 2, kAngleTolerance);
}

TEST(PracticeSlope, isThePrincipalArctangentAndDefinedForAVerticalRun) {
    EXPECT_NEAR(principalSlope(10, 10), pi / 4, kAngleTolerance);
    EXPECT_NEAR(principalSlope(-10, -10), pi / 4, kAngleTolerance);
    EXPECT_NEAR(principalSlope(10, -10), -pi / 4, kAngleTolerance);
    EXPECT_NEAR(principalSlope(7, 0), pi / 2, kAngleTolerance);
    EXPECT_NEAR(principalSlope(-7, 0), -pi / 2, kAngleTolerance);
    EXPECT_EQ(principalSlope(0, 0), 0.0);
}

TEST(PracticeReadingText, showsOneTenthMoreThanTheTruncatedTenths) {
    struct Case {
        double tenths;
        std::string text;
    };
    const Case cases[] = {
        {450.4, " 45.1\u00B0"},
        {449.7, " 45.0\u00B0"},
        {0.5, " 0.1\u00B0"},
        {1234.2, " 123.5\u00B0"},
        {9.5, " 1.0\u00B0"},
        // Below zero the whole degrees round up and the tenth keeps its magnitude.
        {-12.5, " -1.1\u00B0"},
        {-5.5, " 0.4\u00B0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(angleReadingText(fromTenths(c.tenths)), c.text) << c.tenths;
    }
}

TEST(PracticeReadingText, theTwoEndsOfTheScale) {
    EXPECT_EQ(angleReadingText(0), " 0.1\u00B0");
    const std::string straight = angleReadingText(pi);
    EXPECT_TRUE(straight == " 180.1\u00B0" || straight == " 180.0\u00B0") << straight;
}

TEST(PracticeDistanceCaption, roundsToTheNearestTenthHalvesUp) {
    struct Case {
        double pixels;
        std::string text;
    };
    const Case cases[] = {
        {50, "Distance: 50.0"},      {12.34, "Distance: 12.3"}, {12.36, "Distance: 12.4"},
        {0, "Distance: 0.0"},        {9.96, "Distance: 10.0"},  {20, "Distance: 20.0"},
        {244.99, "Distance: 245.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(distanceCaption(c.pixels), c.text) << c.pixels;
    }
}

TEST(PracticePoints, eachOffsetIsTruncatedTowardsZeroOnItsOwn) {
    // 10·(cos 135°, sin 135°) = (−7.07, 7.07): towards zero on both sides.
    EXPECT_EQ(polarPoint({100, 100}, 10, 3 * pi / 4), (Point{93, 107}));
    // A negative radius is the mirror image through the origin.
    EXPECT_EQ(polarPoint({100, 100}, -10, 3 * pi / 4), (Point{107, 93}));
    EXPECT_EQ(offsetPoint({0, 0}, -2.9, 2.9), (Point{-2, 2}));
    EXPECT_EQ(mirrored({120, 90}, {100, 100}), (Point{80, 110}));
}

TEST(PracticeDrawing, anEllipseGivenByReversedCornersKeepsItsBox) {
    RecordingCanvas canvas(50, 50);
    ellipseBetween(canvas, {13, 20}, {7, 14});
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].args, (std::vector<int>{7, 14, 13, 20}));
}

TEST(PracticeDrawing, clearingPaintsTheWholePictureWhiteInTheCurrentPen) {
    RecordingCanvas canvas(397, 245);
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::black;
    clearToWhite(canvas);
    const DrawCall& fill = canvas.calls.at(0);
    EXPECT_EQ(fill.op, DrawOp::Rectangle);
    EXPECT_EQ(fill.args, (std::vector<int>{0, 0, 397, 245}));
    EXPECT_EQ(fill.brush, (Brush{colours::white, BrushStyle::Solid}));
    EXPECT_EQ(fill.pen.color, colours::red);
}

}  // namespace
