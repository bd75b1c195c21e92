// SPDX-License-Identifier: MIT
#include "practice/ray_movement_exercise.h"

#include <gtest/gtest.h>

#include <numbers>
#include <string>
#include <vector>

#include "practice_window.h"

namespace {

using std::numbers::pi;
constexpr double kAngleTolerance = 1e-12;

struct Place {
    int left;
    int top;
};

void expectAt(const Shape& handle, Place place, const char* name) {
    EXPECT_EQ(handle.left, place.left) << name;
    EXPECT_EQ(handle.top, place.top) << name;
}

// Protractor draws at start, then the sub-exercises one after another as Next runs them.
const std::vector<double> kRayDraws = {
    0.5, 0.5,       // the first protractor exercise
    0.5,            // sub-exercise 0: angle step 0
    0.3, 0.9,       // sub-exercise 1: angle step 1, hit point step −3
    0.5, 0.3,       // sub-exercise 2: angle step 0, hit point step 1
    0.1, 0.5, 0.5,  // sub-exercise 3: line step 3, angle step 0, hit point step 0
    0.9,            // sub-exercise 0 again: angle step −3
};

struct RayMovementPage : PracticeWindow {
    explicit RayMovementPage(std::vector<double> draws = kRayDraws)
        : PracticeWindow(std::move(draws)) {
        window.practicenb.setPageIndex(2);
    }
    void drag(Shape& handle, int x, int y) {
        window.dshMouseDown(handle, MouseButton::Left, 2, 2);
        window.handleMouseMove(handle, x, y);
        window.dshMouseUp(handle, MouseButton::Left, x, y);
    }
};

TEST(RayMovementExercise, stepsRunFromMinusThreeToThreeAndFourOnlyForZero) {
    SequenceRandom random({0.0, 0.0625, 0.49, 0.5, 0.51, 0.99});
    const int expected[] = {4, 3, 0, 0, 0, -3};
    for (const int step : expected) {
        EXPECT_EQ(exerciseStep(random), step);
    }
    EXPECT_NEAR(targetRayAngle(0), pi / 7, kAngleTolerance);
    EXPECT_NEAR(targetRayAngle(-3), pi / 7 - pi / 6, kAngleTolerance);
}

TEST(RayMovementPage, enteringItResetsTheHandlesAndStartsSubExerciseZero) {
    RayMovementPage practice;
    TProfrm& window = practice.window;
    expectAt(window.lsh, {264, 122}, "lsh");
    expectAt(window.csh, {264, 129}, "csh");
    expectAt(window.dsh, {106, 122}, "dsh");
    expectAt(window.msh, {185, 122}, "msh");
    for (const Shape* handle : {&window.csh, &window.msh, &window.lsh, &window.dsh}) {
        EXPECT_TRUE(handle->visible);
    }
    EXPECT_EQ(window.proim.cursor, Cursor::Arrow);
    EXPECT_EQ(window.rayMovement.subExercise, 0);
    EXPECT_EQ(window.rayMovement.exercise.targetLineX, 260);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 118);
    EXPECT_NEAR(window.rayMovement.exercise.exerciseAngle, pi / 7, kAngleTolerance);

    window.practicenb.setPageIndex(0);
    EXPECT_FALSE(window.dsh.visible);
    EXPECT_EQ(window.proim.cursor, Cursor::Cross);
}

TEST(RayMovementPage, theTorchIsNamedWithTheRaysAngleAndNeverMinusZero) {
    RayMovementPage practice;
    TProfrm& window = practice.window;
    // At the start the ray runs level, from the torch to the hit point 158 pixels right.
    EXPECT_EQ(window.accessibleName(window.dsh), "Torch end of the ray, at 0.0 degrees");
    practice.drag(window.dsh, 0, -20);
    EXPECT_EQ(window.accessibleName(window.dsh), "Torch end of the ray, at 7.2 degrees");
    practice.drag(window.dsh, 0, 40);
    EXPECT_EQ(window.accessibleName(window.dsh), "Torch end of the ray, at -7.2 degrees");
}

TEST(RayMovementPage, nextRunsTheFourSubExercisesInTurn) {
    RayMovementPage practice;
    TProfrm& window = practice.window;

    window.nextbtClick();  // 1: only the hit point differs; the ray starts parallel
    EXPECT_EQ(window.rayMovement.subExercise, 1);
    EXPECT_NEAR(window.rayMovement.exercise.exerciseAngle, pi / 18 + pi / 7, kAngleTolerance);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength,
              82);  // −3 steps of 15, plus 5, from lsh.Top 122
    expectAt(window.dsh, {136, 30}, "dsh");
    expectAt(window.msh, {200, 76}, "msh");
    expectAt(window.lsh, {264, 122}, "lsh");

    window.nextbtClick();  // 2: angle and hit point, from a horizontal ray
    EXPECT_EQ(window.rayMovement.subExercise, 2);
    EXPECT_NEAR(window.rayMovement.exercise.exerciseAngle, pi / 7, kAngleTolerance);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 142);
    expectAt(window.dsh, {106, 122}, "dsh");

    window.nextbtClick();  // 3: the line moves first, then angle and hit point
    EXPECT_EQ(window.rayMovement.subExercise, 3);
    EXPECT_EQ(window.rayMovement.exercise.targetLineX, 325);
    EXPECT_NEAR(window.rayMovement.exercise.exerciseAngle, pi / 7, kAngleTolerance);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 127);

    window.nextbtClick();  // back to 0: the target keeps the student's hit point
    EXPECT_EQ(window.rayMovement.subExercise, 0);
    EXPECT_EQ(window.rayMovement.exercise.targetLineX, 260);
    EXPECT_NEAR(window.rayMovement.exercise.exerciseAngle, pi / 7 - pi / 6, kAngleTolerance);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 118);
}

TEST(RayMovementPage, targetsArePlacedFromWhereTheHitPointWasLeft) {
    RayMovementPage practice;
    TProfrm& window = practice.window;
    practice.drag(window.lsh, 0, -30);  // lsh.Top 92
    window.nextbtClick();               // 1: −3 steps of 15, plus 5, from 92
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 52);

    window.nextbtClick();
    window.nextbtClick();
    practice.drag(window.lsh, 0, -30);
    window.nextbtClick();  // 0: the hit point's own height, in picture coordinates
    EXPECT_EQ(window.rayMovement.subExercise, 0);
    EXPECT_EQ(window.rayMovement.exercise.exerciseLength, 88);
}

TEST(RayMovementHandles, theDirectionHandleStaysFifteenPixelsLeftOfTheHitPoint) {
    RayMovementPage practice;
    practice.drag(practice.window.dsh, 200, -10);
    expectAt(practice.window.dsh, {249, 112}, "dsh");
    expectAt(practice.window.msh, {256, 117}, "msh");
}

TEST(RayMovementHandles, theHitPointMovesOnlyUpAndDownAndTakesTheMidpointAlong) {
    RayMovementPage practice;
    practice.drag(practice.window.lsh, 50, 20);
    expectAt(practice.window.lsh, {264, 142}, "lsh");
    expectAt(practice.window.msh, {185, 132}, "msh");
    expectAt(practice.window.dsh, {106, 122}, "dsh");
}

TEST(RayMovementHandles, theMidpointSlidesTheRayUpAndDownKeepingItsAngle) {
    RayMovementPage practice;
    practice.drag(practice.window.msh, 30, -10);
    expectAt(practice.window.msh, {185, 112}, "msh");
    expectAt(practice.window.dsh, {106, 112}, "dsh");
    expectAt(practice.window.lsh, {264, 112}, "lsh");
    expectAt(practice.window.csh, {264, 129}, "csh");
}

TEST(RayMovementHandles, theLineHandleCarriesTheWholeStructure) {
    RayMovementPage practice;
    practice.drag(practice.window.csh, 10, 5);
    expectAt(practice.window.csh, {274, 134}, "csh");
    expectAt(practice.window.lsh, {274, 127}, "lsh");
    expectAt(practice.window.dsh, {116, 127}, "dsh");
    expectAt(practice.window.msh, {195, 127}, "msh");
}

TEST(RayMovementHandles, hoveringShowsTheHintWithoutMovingAnything) {
    RayMovementPage practice;
    TProfrm& window = practice.window;
    struct Case {
        Shape* handle;
        std::string hint;
    };
    const Case cases[] = {
        {&window.dsh, "Adjust the ray\u00B4s angle of incidence."},
        {&window.lsh, "Adjust the point where the ray hits the interface."},
        {&window.msh, "Adjust the ray\u00B4s position preserving the angle."},
        {&window.csh, "Adjust to move entire structure."},
    };
    for (const Case& c : cases) {
        const Place before{c.handle->left, c.handle->top};
        window.handleMouseMove(*c.handle, 4, 3);
        EXPECT_EQ(window.hintlb.caption, c.hint);
        expectAt(*c.handle, before, c.hint.c_str());
    }
    window.proimMouseMove(20, 20);
    EXPECT_EQ(window.hintlb.caption, "");
}

TEST(RayMovementDrawing, drawsTheTargetTheInterfaceTheRedRayAndTheTorch) {
    RayMovementPage practice;
    const RecordingCanvas& canvas = practice.canvas();
    practice.canvas().clear();
    practice.window.plotbtClick();

    const auto grey = canvas.linesIn(colours::grey);
    ASSERT_EQ(grey.size(), 2u);
    EXPECT_EQ(segment(grey[0]), (std::vector<int>{260, 0, 260, 245}));
    EXPECT_EQ(segment(grey[1]), (std::vector<int>{260, 118, 150, 64}));
    EXPECT_EQ(grey[1].pen.width, 2);
    const auto black = canvas.linesIn(colours::black);
    ASSERT_FALSE(black.empty());
    EXPECT_EQ(segment(black[0]), (std::vector<int>{260, 0, 260, 245}));
    const auto red = canvas.linesIn(colours::red);
    ASSERT_EQ(red.size(), 3u);  // the ray and the torch's two beam strokes
    EXPECT_EQ(segment(red[0]), (std::vector<int>{260, 118, 102, 118}));
    EXPECT_EQ(red[0].pen.width, 2);
    EXPECT_EQ(red[1].args[0], 103);
    EXPECT_EQ(red[1].args[1], 119);

    const auto ellipses = canvas.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 4u);  // lens, two knobs, end cap
    EXPECT_EQ(ellipses[0].args, (std::vector<int>{94, 110, 111, 127}));
    EXPECT_EQ(ellipses[0].brush.color, colours::yellow);
    EXPECT_EQ(ellipses[3].args, (std::vector<int>{73, 114, 83, 124}));
    const auto polygons = canvas.callsOf(DrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_EQ(polygons[0].points.size(), 8u);
    EXPECT_EQ(polygons[0].brush.color, colours::black);
    EXPECT_EQ(polygons[1].points.front(), (Point{143, 119}));
    EXPECT_EQ(polygons[1].brush.color, colours::red);
    EXPECT_EQ(canvas.brush.color, colours::white);
}

TEST(RayMovementCheck, onlyTheDirectionHandleNeedsMovingRightAfterEnteringThePage) {
    RayMovementPage practice;
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Oops!\rTry again!");
    EXPECT_EQ(practice.lastMessage().caption, "Error");

    practice.drag(practice.window.dsh, 0, -76);  // tan(π/7)·158 ≈ 76
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Right!\rWell Done!");
    EXPECT_EQ(practice.lastMessage().caption, "Information");
}

TEST(RayMovementCheck, acceptsUnderThreeHundredthsOfARadianAndThreePixels) {
    // The reset ray is horizontal, its line at x 260 and its hit point at y 118.
    struct Case {
        const char* name;
        double angle;
        int lineX;
        double hitY;
        MessageIcon icon;
    };
    const Case cases[] = {
        {"exact", 0, 260, 118, MessageIcon::Information},
        {"0.02 off, 2 px off", 0.02, 262, 120, MessageIcon::Information},
        {"0.02 off the other way", -0.02, 258, 116, MessageIcon::Information},
        {"0.03 off", 0.03, 260, 118, MessageIcon::Error},
        {"line 3 px off", 0, 263, 118, MessageIcon::Error},
        {"hit point 3 px off", 0, 260, 121, MessageIcon::Error},
        {"hit point truncated to 2 px off", 0, 260, 120.9, MessageIcon::Information},
    };
    for (const Case& c : cases) {
        RayMovementPage practice;
        practice.window.rayMovement.exercise.exerciseAngle = c.angle;
        practice.window.rayMovement.exercise.targetLineX = c.lineX;
        practice.window.rayMovement.exercise.exerciseLength = c.hitY;
        practice.window.CheckbtClick();
        EXPECT_EQ(practice.lastMessage().icon, c.icon) << c.name;
    }
}

TEST(RayMovementPage, theToolStateCyclesThroughThreeStatesOnThePicture) {
    RayMovementPage practice;
    const int expected[] = {1, 2, 0, 1};
    for (const int state : expected) {
        practice.clickPicture(30, 30);
        EXPECT_EQ(practice.window.tool.state, state);
    }
}

TEST(RayMovementPage, movingOverThePictureOverwritesTheRulerReading) {
    RayMovementPage practice;
    practice.window.tool.reading = 77;
    practice.window.proimMouseMove(30, 30);
    EXPECT_EQ(practice.window.tool.reading, 20);
}

}  // namespace
