// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "platform/random.h"

// Two features `exerciseLength` pixels apart along the direction `exerciseAngle`.
struct RulerExercise {
    double exerciseAngle = 0;   // radians, 0 ≤ angle < 2π
    double exerciseLength = 0;  // pixels, 20 ≤ length < pictureHeight
};

RulerExercise generateRulerExercise(RandomSource& random, int pictureHeight);

enum class RulerFigure { TwoPoints, Wavefronts, PointAndLine };

// The figure without the ruler, which the window draws on top from its own state.
void drawRulerFigure(Canvas& canvas, Point centre, const RulerExercise& exercise,
                     RulerFigure figure);

// The grey ruler from its zero end through the aim point and off the picture, a tick every
// 25 pixels (every fourth bold), with black bars across both ends.
void drawRuler(Canvas& canvas, Point zeroEnd, Point aim, double savedToolAngle);
