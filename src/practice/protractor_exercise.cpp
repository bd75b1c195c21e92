// SPDX-License-Identifier: MIT
#include "practice/protractor_exercise.h"

#include <cmath>
#include <numbers>

#include "practice/practice_geometry.h"

using std::numbers::pi;

namespace {

constexpr double kLineLength = 150;
constexpr double kAngleArcRadius = 40;
constexpr double kNormalHalfLength = 40;
constexpr double kScaleOuterRadius = 100;
constexpr double kScaleInnerRadius = 30;
constexpr double kCentreTickHalfLength = 10;
constexpr double kFixedBaselineHalfLength = 30;
constexpr double kPointerLength = 100;
constexpr int kSpokeCount = 13;
constexpr int kSpokeStepDegrees = 15;

double radians(double degrees) {
    return degrees / 180 * pi;
}

void arcAbout(Canvas& canvas, Point centre, int radius, Point from, Point to) {
    canvas.arc(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius, from.x,
               from.y, to.x, to.y);
}

}  // namespace

ProtractorExercise generateProtractorExercise(RandomSource& random) {
    ProtractorExercise exercise;
    exercise.exerciseAngle = 10 + 160 * random.next();
    exercise.exerciseRotation = 360 * random.next();
    return exercise;
}

void drawProtractorFigure(Canvas& canvas, Point centre, const ProtractorExercise& exercise,
                          bool betweenTwoLines) {
    const double rotation = radians(exercise.exerciseRotation);
    const double second = radians(exercise.exerciseAngle + exercise.exerciseRotation);
    clearToWhite(canvas);
    if (betweenTwoLines) {
        canvas.pen.color = colours::black;
        canvas.pen.width = 2;
        const Point firstEnd = polarPoint(centre, kLineLength, rotation);
        const Point secondEnd = polarPoint(centre, kLineLength, second);
        strokeLine(canvas, centre, firstEnd);
        strokeLine(canvas, centre, secondEnd);
        canvas.pen.width = 1;
        // Counter-clockwise from the second line back to the first spans the angle itself.
        arcAbout(canvas, centre, static_cast<int>(kAngleArcRadius), secondEnd, firstEnd);
        return;
    }
    canvas.pen.color = colours::black;
    canvas.pen.width = 1;
    strokeLine(canvas, polarPoint(centre, kLineLength, rotation),
               polarPoint(centre, -kLineLength, rotation));
    canvas.pen.width = 2;
    strokeLine(canvas, centre, polarPoint(centre, kLineLength, second));
    canvas.pen = Pen{colours::red, 1, PenStyle::Dot};
    const double normal = radians(exercise.exerciseRotation + 90);
    strokeLine(canvas, polarPoint(centre, kNormalHalfLength, normal),
               polarPoint(centre, -kNormalHalfLength, normal));
    canvas.pen.color = colours::black;
    canvas.pen.style = PenStyle::Solid;
}

namespace {

void drawScale(Canvas& canvas, Point origin, Point aim, double toolAngle) {
    canvas.pen.color = colours::grey;
    canvas.pen.width = 1;
    strokeLine(canvas, polarPoint(origin, kCentreTickHalfLength, toolAngle + pi / 2),
               polarPoint(origin, -kCentreTickHalfLength, toolAngle + pi / 2));
    const Point zeroEnd = aim;
    const Point otherEnd = mirrored(aim, origin);
    arcAbout(canvas, origin, static_cast<int>(kScaleOuterRadius), zeroEnd, otherEnd);
    arcAbout(canvas, origin, static_cast<int>(kScaleInnerRadius), zeroEnd, otherEnd);
    for (int i = 0; i < kSpokeCount; ++i) {
        const double spoke = toolAngle + i * kSpokeStepDegrees * pi / 180;
        strokeLine(canvas, polarPoint(origin, kScaleInnerRadius, spoke),
                   polarPoint(origin, kScaleOuterRadius, spoke));
    }
}

}  // namespace

void drawMovingProtractor(Canvas& canvas, Point origin, Point aim, double toolAngle) {
    drawScale(canvas, origin, aim, toolAngle);
    canvas.pen.color = colours::black;
    strokeLine(canvas, aim, mirrored(aim, origin));
}

void drawFixedProtractor(Canvas& canvas, Point origin, Point aim, double toolAngle) {
    drawScale(canvas, origin, aim, toolAngle);
    strokeLine(canvas, polarPoint(origin, kFixedBaselineHalfLength, toolAngle),
               polarPoint(origin, -kFixedBaselineHalfLength, toolAngle));
}

void drawProtractorPointer(Canvas& canvas, Point origin, double pointerDirection) {
    canvas.pen.color = colours::red;
    canvas.pen.width = 2;
    strokeLine(canvas, origin, polarPoint(origin, -kPointerLength, pointerDirection));
    canvas.pen.color = colours::grey;
    canvas.pen.width = 1;
}

double pointerAngle(double toolAngle, double pointerDirection) {
    const double angle = toolAngle - pointerDirection;
    return angle < -pi / 2 ? angle + 2 * pi : angle;
}

bool pointerOnScale(double angle) {
    return angle >= 0 && angle <= pi;
}
