// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "platform/random.h"

// Two lines `exerciseAngle` degrees apart, the first turned by `exerciseRotation` degrees.
struct ProtractorExercise {
    double exerciseAngle = 0;     // 10 ≤ angle < 170
    double exerciseRotation = 0;  // 0 ≤ rotation < 360
};

ProtractorExercise generateProtractorExercise(RandomSource& random);

// Either two lines from the centre with the arc between them, or a surface through the
// centre with its dotted red normal and a ray leaving the centre.
void drawProtractorFigure(Canvas& canvas, Point centre, const ProtractorExercise& exercise,
                          bool betweenTwoLines);

// The protractor about `origin` with its 0° end towards `aim` (toolAngle is the direction
// from the aim towards the origin): the grey half-disc with a spoke every 15° and, while
// the protractor still moves, a black baseline through the whole of it.
void drawMovingProtractor(Canvas& canvas, Point origin, Point aim, double toolAngle);
// Once fixed, the baseline turns grey and shorter so that the pointer stands out.
void drawFixedProtractor(Canvas& canvas, Point origin, Point aim, double toolAngle);
// The red pointer from the origin towards the mouse; the pen is left grey, width 1.
void drawProtractorPointer(Canvas& canvas, Point origin, double pointerDirection);

// The angle from the baseline's 0° end to a pointer in `pointerDirection`, counted across
// the drawn half of the protractor; it lies in [−π/2, 2π).
double pointerAngle(double toolAngle, double pointerDirection);
bool pointerOnScale(double angle);
