// SPDX-License-Identifier: MIT
#include "practice/ruler_exercise.h"

#include <cmath>
#include <numbers>

#include "practice/practice_geometry.h"

using std::numbers::pi;

namespace {

constexpr int kMinimumLength = 20;
constexpr double kDiscRadius = 3;
constexpr double kLineHalfLength = 150;
constexpr double kEdgeLength = 800;
constexpr int kTickCount = 28;
constexpr int kTickSpacing = 25;
constexpr int kTickHalfLength = 5;
constexpr int kBoldTickEvery = 4;
constexpr double kEndBarHalfLength = 15;

// The disc about centre + side·h·(sin θ, cos θ): each corner offset is truncated whole, so
// the discs on both sides are mirror images.
void disc(Canvas& canvas, Point centre, int side, double h, double angle) {
    const double across = h * std::sin(angle);
    const double along = h * std::cos(angle);
    ellipseBetween(
        canvas, offsetPoint(centre, side * (across - kDiscRadius), side * (along - kDiscRadius)),
        offsetPoint(centre, side * (across + kDiscRadius), side * (along + kDiscRadius)));
}

void wavefront(Canvas& canvas, Point centre, int side, double h, double angle) {
    const double across = h * std::sin(angle);
    const double along = h * std::cos(angle);
    const double spanX = kLineHalfLength * std::sin(angle + pi / 2);
    const double spanY = kLineHalfLength * std::cos(angle + pi / 2);
    strokeLine(canvas, offsetPoint(centre, side * (across + spanX), side * (along + spanY)),
               offsetPoint(centre, side * (across - spanX), side * (along - spanY)));
}

}  // namespace

RulerExercise generateRulerExercise(RandomSource& random, int pictureHeight) {
    RulerExercise exercise;
    exercise.exerciseAngle = 2 * pi * random.next();
    exercise.exerciseLength = random.next() * (pictureHeight - kMinimumLength) + kMinimumLength;
    return exercise;
}

void drawRulerFigure(Canvas& canvas, Point centre, const RulerExercise& exercise,
                     RulerFigure figure) {
    const double h = exercise.exerciseLength * 0.5;
    const double angle = exercise.exerciseAngle;
    clearToWhite(canvas);
    if (figure == RulerFigure::TwoPoints) {
        canvas.brush = Brush{colours::black, BrushStyle::Solid};
        disc(canvas, centre, -1, h, angle);
        disc(canvas, centre, 1, h, angle);
    } else {
        canvas.pen.color = colours::black;
        canvas.pen.width = 2;
        wavefront(canvas, centre, -1, h, angle);
        if (figure == RulerFigure::PointAndLine) {
            canvas.brush = Brush{colours::black, BrushStyle::Solid};
            disc(canvas, centre, 1, h, angle);
        } else {
            wavefront(canvas, centre, 1, h, angle);
        }
        canvas.pen.width = 1;
    }
}

void drawRuler(Canvas& canvas, Point zeroEnd, Point aim, double savedToolAngle) {
    const double alpha = savedToolAngle;
    canvas.pen.color = colours::grey;
    strokeLine(canvas, zeroEnd, polarPoint(zeroEnd, -kEdgeLength, alpha));
    for (int i = 1; i <= kTickCount; ++i) {
        canvas.pen.width = i % kBoldTickEvery == 0 ? 3 : 1;
        const double alongX = -kTickSpacing * i * std::cos(alpha);
        const double alongY = -kTickSpacing * i * std::sin(alpha);
        const double acrossX = kTickHalfLength * std::cos(alpha + pi / 2);
        const double acrossY = kTickHalfLength * std::sin(alpha + pi / 2);
        strokeLine(canvas, offsetPoint(zeroEnd, alongX - acrossX, alongY - acrossY),
                   offsetPoint(zeroEnd, alongX + acrossX, alongY + acrossY));
    }
    canvas.pen.color = colours::black;
    canvas.pen.width = 2;
    const double across = alpha + pi / 2;
    strokeLine(canvas, polarPoint(aim, kEndBarHalfLength, across),
               polarPoint(aim, -kEndBarHalfLength, across));
    strokeLine(canvas, polarPoint(zeroEnd, kEndBarHalfLength, across),
               polarPoint(zeroEnd, -kEndBarHalfLength, across));
    canvas.pen.width = 1;
}
