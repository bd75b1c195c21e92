// SPDX-License-Identifier: MIT
// One exercise of each practice page finished from the keyboard alone: the keys' pointer
// drives the on-screen protractor and ruler, and the arrow keys drag the ray's handles.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "practice_window.h"

namespace {

// Where a point of the figure lies: `radius` from the centre in `radians` (y down).
Point onFigure(Point centre, double radius, double radians) {
    return {centre.x + static_cast<int>(radius * std::cos(radians)),
            centre.y + static_cast<int>(radius * std::sin(radians))};
}

// Moves the keys' pointer to `target` as arrow keys would: ten pixels a press with Shift,
// then one.
void pointTo(TProfrm& window, Point from, Point target) {
    int dx = target.x - from.x;
    int dy = target.y - from.y;
    while (dx != 0 || dy != 0) {
        const int stepX = std::abs(dx) >= 10 ? 10 : std::abs(dx);
        const int stepY = std::abs(dy) >= 10 ? 10 : std::abs(dy);
        const int x = dx < 0 ? -stepX : stepX;
        const int y = dy < 0 ? -stepY : stepY;
        window.movePointerByKeys(x, y);
        dx -= x;
        dy -= y;
    }
}

TEST(KeyboardPractice, aProtractorExerciseIsFinishedWithTheKeys) {
    PracticeWindow practice({0.25, 0.6});
    TProfrm& w = practice.window;
    const ProtractorExercise& exercise = w.protractor.exercise;
    const double first = exercise.exerciseRotation * std::numbers::pi / 180;
    const double second =
        (exercise.exerciseRotation + exercise.exerciseAngle) * std::numbers::pi / 180;
    const Point centre = w.figureCentre;

    w.startPointerByKey();  // on the figure's centre, the angle's vertex
    w.clickPointerByKey();
    // The baseline along the second line puts the first one on the drawn half of the scale.
    pointTo(w, centre, onFigure(centre, 100, second));
    w.clickPointerByKey();
    pointTo(w, onFigure(centre, 100, second), onFigure(centre, 100, first));
    w.clickPointerByKey();
    // The student reads the scale from whichever end the baseline gave it.
    if (std::fabs(w.protractor.supplementReading - exercise.exerciseAngle) <
        std::fabs(w.tool.reading - exercise.exerciseAngle)) {
        w.ang2rb.userClick();
    }
    w.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Right!\rWell done!");
}

TEST(KeyboardPractice, aRulerExerciseIsFinishedWithTheKeys) {
    PracticeWindow practice({0.3, 0.45});
    TProfrm& w = practice.window;
    w.practicenb.setPageIndex(1);
    const RulerExercise& exercise = w.ruler.exercise;
    const Point centre = w.figureCentre;
    const double half = exercise.exerciseLength / 2;
    const Point near = onFigure(centre, -half, exercise.exerciseAngle);
    const Point far = onFigure(centre, half, exercise.exerciseAngle);

    w.startPointerByKey();
    pointTo(w, centre, near);
    w.clickPointerByKey();  // the ruler's zero end on the first point
    pointTo(w, near, far);
    w.clickPointerByKey();
    w.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Right!\rWell Done!");
}

TEST(KeyboardPractice, aRayMovementExerciseIsFinishedWithTheKeys) {
    PracticeWindow practice({0.3});
    TProfrm& w = practice.window;
    w.practicenb.setPageIndex(2);
    // The first exercise turns the ray: its torch end goes up the target's slope.
    const double angle = w.rayMovement.exercise.exerciseAngle;
    const int reach = w.lsh.left - w.dsh.left;
    const int wantLeft = w.lsh.left - static_cast<int>(reach * std::cos(angle));
    const int wantTop = w.lsh.top - static_cast<int>(reach * std::sin(angle));
    while (w.dsh.left != wantLeft || w.dsh.top != wantTop) {
        const int dx = std::clamp(wantLeft - w.dsh.left, -10, 10);
        const int dy = std::clamp(wantTop - w.dsh.top, -10, 10);
        w.moveHandleByKeys(w.dsh, dx, dy);
    }
    w.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Right!\rWell Done!");
}

}  // namespace
