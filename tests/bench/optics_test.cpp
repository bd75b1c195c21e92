// SPDX-License-Identifier: MIT
#include "bench/optics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kAngleTolerance = 1e-4;  // radians
constexpr double kPixelTolerance = 1e-9;

double degrees(double radians) {
    return radians * 180.0 / kPi;
}

TEST(Optics, snellsLawBendsA30DegreeRayTo19Point34DegreesInGlassOf1Point51) {
    const double sine = snellSine(kPi / 6, 1.0, 1.51);
    EXPECT_NEAR(sine, 0.3311, 1e-4);
    EXPECT_NEAR(degrees(std::asin(sine)), 19.34, 0.01);
    // And back out again: the same 30 degrees.
    EXPECT_NEAR(snellSine(std::asin(sine), 1.51, 1.0), 0.5, 1e-12);
}

TEST(Optics, theCriticalAngleOfGlassOf1Point51IsAbout41Point47Degrees) {
    const double critical = std::asin(1.0 / 1.51);
    EXPECT_NEAR(degrees(critical), 41.47, 0.01);
    EXPECT_LT(std::fabs(snellSine(critical - 0.001, 1.51, 1.0)), 1.0);
    EXPECT_GT(std::fabs(snellSine(critical + 0.001, 1.51, 1.0)), 1.0);
}

TEST(Optics, directionsFollowTheMathematicalSenseOnAScreenWithYDown) {
    const Vec2 ahead = along({10, 10}, kPi / 2, 5);  // "up" is toward smaller y
    EXPECT_NEAR(ahead.x, 10, kPixelTolerance);
    EXPECT_NEAR(ahead.y, 5, kPixelTolerance);
    const Vec2 behind = backward({10, 10}, 0, 5);
    EXPECT_NEAR(behind.x, 5, kPixelTolerance);
    EXPECT_NEAR(behind.y, 10, kPixelTolerance);
}

TEST(Optics, aRaysDirectionOfTravelRunsFromItsStartTowardsItsEnd) {
    // From (0, 0) to (sqrt 3, 1): 30 degrees below the horizontal.
    EXPECT_NEAR(*travelDirection({0, 0}, {std::sqrt(3.0), 1}), -kPi / 6, kAngleTolerance);
    EXPECT_NEAR(*travelDirection({0, 5}, {10, 5}), 0.0, kAngleTolerance);
    // Travelling left it points left, never turned round onto the rightward line.
    EXPECT_NEAR(*travelDirection({10, 5}, {0, 5}), kPi, kAngleTolerance);
    EXPECT_NEAR(*travelDirection({std::sqrt(3.0), 1}, {0, 0}), 5 * kPi / 6, kAngleTolerance);
    // Straight down the screen is -pi/2, straight up pi/2.
    EXPECT_DOUBLE_EQ(*travelDirection({3, 0}, {3, 9}), -kPi / 2);
    EXPECT_DOUBLE_EQ(*travelDirection({3, 9}, {3, 0}), kPi / 2);
    // A start on its end has no direction at all.
    EXPECT_FALSE(travelDirection({3, 9}, {3, 9}));
}

TEST(Optics, anglesAreBroughtIntoOneTurnAboutZero) {
    EXPECT_NEAR(principalAngle(3 * kPi / 2), -kPi / 2, kAngleTolerance);
    EXPECT_NEAR(principalAngle(-3 * kPi / 2), kPi / 2, kAngleTolerance);
    EXPECT_NEAR(principalAngle(kPi / 3), kPi / 3, kAngleTolerance);
    EXPECT_DOUBLE_EQ(principalAngle(-kPi), kPi);
}

TEST(Optics, aCurvedSurfacesNormalPointsAtItsCentre) {
    EXPECT_NEAR(curvedNormal(0, 172), 0.0, kAngleTolerance);
    // Half the radius off the axis: 30 degrees.
    EXPECT_NEAR(curvedNormal(86, 172), kPi / 6, kAngleTolerance);
    EXPECT_NEAR(curvedNormal(-86, 172), -kPi / 6, kAngleTolerance);
    // At the rim, and past it by rounding, the normal lies along the surface's chord.
    EXPECT_NEAR(curvedNormal(172, 172), kPi / 2, kAngleTolerance);
    EXPECT_NEAR(curvedNormal(173, 172), kPi / 2, kAngleTolerance);
}

TEST(Optics, aLineMeetsACircleAtTheIntersectionAskedFor) {
    const Line horizontal = lineThrough({0, 100}, 0.0);
    EXPECT_NEAR(horizontal.slope, 0.0, kPixelTolerance);
    const std::optional<double> right =
        circleIntersection(horizontal, {50, 100}, 20, Intersection::Rightmost);
    ASSERT_TRUE(right);
    EXPECT_NEAR(*right, 70, kPixelTolerance);
    const std::optional<double> left =
        circleIntersection(horizontal, {50, 100}, 20, Intersection::Leftmost);
    EXPECT_NEAR(left.value_or(0), 30, kPixelTolerance);
    // A 3-4-5 chord: 12 below the centre of a circle of radius 20 the half chord is 16.
    const std::optional<double> chord =
        circleIntersection(lineThrough({0, 112}, 0.0), {50, 100}, 20, Intersection::Rightmost);
    EXPECT_NEAR(chord.value_or(0), 66, kPixelTolerance);
    // A line past the circle, or one grazing it, meets it nowhere.
    EXPECT_FALSE(
        circleIntersection(lineThrough({0, 150}, 0.0), {50, 100}, 20, Intersection::Rightmost));
    EXPECT_FALSE(
        circleIntersection(lineThrough({0, 120}, 0.0), {50, 100}, 20, Intersection::Rightmost));
}

TEST(Optics, aLineThroughAPointRisesWithItsDirection) {
    // 45 degrees up: y falls by one for each step right.
    const Line rising = lineThrough({10, 10}, kPi / 4);
    EXPECT_NEAR(rising.slope, -1.0, kPixelTolerance);
    EXPECT_NEAR(rising.yAt(20), 0.0, kPixelTolerance);
    EXPECT_NEAR(reflectedDirection(0.0, -kPi / 6), kPi / 6, kAngleTolerance);
}

}  // namespace
