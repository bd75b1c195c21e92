// SPDX-License-Identifier: MIT
#include "practice/ray_movement_exercise.h"

#include <array>
#include <cmath>
#include <numbers>

#include "canvas/pixel.h"
#include "practice/practice_geometry.h"

using std::numbers::pi;

namespace {

// The torch's outline in its own frame: x forward along the beam, y across it.
constexpr std::array<Point, 8> kTorchOutline{
    {{0, 10}, {-8, 8}, {-8, 5}, {-25, 5}, {-25, -5}, {-8, -5}, {-8, -8}, {0, -10}}};
constexpr std::size_t kUpperKnob = 2;
constexpr std::size_t kLowerKnob = 5;
constexpr double kBeamLength = 15;
constexpr int kLensBefore = 9;
constexpr int kLensAfter = 8;
constexpr int kKnobRadius = 3;
constexpr double kCapDistance = 25;
constexpr int kCapRadius = 5;
constexpr double kArrowTip = 40;
constexpr double kArrowBase = 30;

Point torchPoint(Point lens, double direction, Point local) {
    const double radius = std::sqrt(static_cast<double>(local.x * local.x + local.y * local.y));
    const double bearing = std::atan2(static_cast<double>(local.y), static_cast<double>(local.x));
    return polarPoint(lens, radius, direction + bearing);
}

void discAbout(Canvas& canvas, Point centre, int radius) {
    ellipseBetween(canvas, {centre.x + radius, centre.y + radius},
                   {centre.x - radius, centre.y - radius});
}

}  // namespace

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
    strokeLine(canvas, lens, polarPoint(lens, kBeamLength, direction + pi / 6 + pi / 60));
    strokeLine(canvas, lens, polarPoint(lens, kBeamLength, direction - pi / 6));

    canvas.pen.color = colours::black;
    canvas.brush = Brush{colours::yellow, BrushStyle::Solid};
    canvas.ellipse(lens.x - kLensBefore, lens.y - kLensBefore, lens.x + kLensAfter,
                   lens.y + kLensAfter);

    std::array<Point, kTorchOutline.size()> outline;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        outline[i] = torchPoint(lens, direction, kTorchOutline[i]);
    }
    canvas.brush = Brush{colours::black, BrushStyle::Solid};
    discAbout(canvas, outline[kUpperKnob], kKnobRadius);
    discAbout(canvas, outline[kLowerKnob], kKnobRadius);
    discAbout(canvas, polarPoint(lens, -kCapDistance, direction), kCapRadius);
    canvas.polygon(outline);

    canvas.brush = Brush{colours::red, BrushStyle::Solid};
    canvas.pen.color = colours::red;
    const std::array<Point, 3> arrowhead{polarPoint(lens, kArrowTip, direction),
                                         polarPoint(lens, kArrowBase, direction - pi / 19),
                                         polarPoint(lens, kArrowBase, direction + pi / 20)};
    canvas.polygon(arrowhead);
    canvas.brush.color = colours::white;
}
