// SPDX-License-Identifier: MIT
#include "practice/ruler_page.h"

#include <cmath>

#include "practice/practice_geometry.h"

namespace {

constexpr double kRightBelowPixels = 3;
constexpr double kNearlyBelowPixels = 5;

}  // namespace

RulerPage::RulerPage(const Picture& picture, const Point& figureCentre, OnScreenTool& tool,
                     RandomSource& random, const RadioButton& wavefronts,
                     const RadioButton& pointAndLine, Label& distanceLabel)
    : ToolPage(picture, figureCentre, tool, random),
      wavefronts_(wavefronts),
      pointAndLine_(pointAndLine),
      distanceLabel_(distanceLabel) {}

void RulerPage::generate() {
    exercise = generateRulerExercise(random_, picture_.height);
}

void RulerPage::draw() {
    drawRulerFigure(canvas(), figureCentre_, exercise, chosenFigure());
    drawRuler(canvas(), tool_.origin, tool_.aim, tool_.savedAngle);
}

void RulerPage::pictureMouseMove(Point) {
    draw();
}

void RulerPage::moveRuler(Point mouse) {
    tool_.moveWithMouse(mouse);
    tool_.turnTo(rulerDirectionTowards(tool_.aim, tool_.origin));
    const double dx = tool_.origin.x - tool_.aim.x;
    const double dy = tool_.origin.y - tool_.aim.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    tool_.reading = distance;
    distanceLabel_.caption = distanceCaption(distance);
}

Verdict RulerPage::check() const {
    const double error = std::fabs(tool_.reading - exercise.exerciseLength);
    return {gradeOfError(error, kRightBelowPixels, kNearlyBelowPixels), wellDone()};
}

RulerFigure RulerPage::chosenFigure() const {
    if (wavefronts_.checked()) {
        return RulerFigure::Wavefronts;
    }
    return pointAndLine_.checked() ? RulerFigure::PointAndLine : RulerFigure::TwoPoints;
}
