// SPDX-License-Identifier: MIT
#include "practice/ray_movement_exercise.h"

#include <cmath>
#include <numbers>

#include "canvas/pixel.h"
#include "canvas/screen_geometry.h"
#include "canvas/torch_icon.h"

using std::numbers::pi;

int exerciseStep(RandomSource& random) {
    return static_cast<int>(4 - 8 * random.next());
}

double targetRayAngle(int step) {
    return step * pi / 18 + pi / 7;
}

void drawRayTarget(Canvas& canvas, int targetLineX, double exerciseAngle, double exerciseLength) {
    const double halfHeight = canvas.height() / 2.0;
    canvas.pen.color = colours::grey;
    canvas.pen.width = 2;
    strokeLine(canvas, {targetLineX, 0}, {targetLineX, canvas.height()});
    strokeLine(canvas, {targetLineX, truncPixel(exerciseLength)},
               {targetLineX - truncPixel(std::cos(exerciseAngle) * halfHeight),
                truncPixel(exerciseLength - std::sin(exerciseAngle) * halfHeight)});
}

void drawTorch(Canvas& canvas, Point lens, double direction) {
    drawTorchIcon(canvas, lens, direction, TorchLook{true, colours::red});
}
