// SPDX-License-Identifier: MIT
#include "practice/protractor_page.h"
#include "controls/translation.h"

#include <cmath>
#include <numbers>

#include "practice/practice_geometry.h"

using std::numbers::pi;

namespace {

constexpr double kRightBelowDegrees = 1.5;
constexpr double kNearlyBelowDegrees = 3;
std::string praise() {
    return text::translate("Practice", "Right!\rWell done!");
}

}  // namespace

ProtractorPage::ProtractorPage(const Picture& picture, const Point& figureCentre,
                               OnScreenTool& tool, RandomSource& random,
                               const RadioButton& betweenTwoLines, RadioButton& fromZeroEnd,
                               RadioButton& fromOtherEnd)
    : ToolPage(picture, figureCentre, tool, random),
      betweenTwoLines_(betweenTwoLines),
      fromZeroEnd_(fromZeroEnd),
      fromOtherEnd_(fromOtherEnd) {}

void ProtractorPage::generate() {
    exercise = generateProtractorExercise(random_);
}

void ProtractorPage::draw() {
    drawProtractorFigure(canvas(), figureCentre_, exercise, betweenTwoLines_.checked());
}

void ProtractorPage::pictureMouseMove(Point mouse) {
    const int state = tool_.state;
    if (state == lastToolState) {
        return;
    }
    // Drawn first in every state, also where the protractor is then drawn again, for the
    // frame the clearing leaves takes the pen of the drawing before.
    draw();
    if (state == OnScreenTool::kFollowsMouse || state == OnScreenTool::kTurnsToMouse) {
        placeProtractor(mouse);
    } else if (state == kPointerFollowsMouse) {
        readPointer(mouse);
    }
}

void ProtractorPage::placeProtractor(Point mouse) {
    tool_.moveWithMouse(mouse);
    tool_.turnTo(directionTowards(tool_.aim, tool_.origin));
    draw();
    drawMovingProtractor(canvas(), tool_.origin, tool_.aim, tool_.angle);
}

void ProtractorPage::readPointer(Point mouse) {
    tool_.angle = tool_.savedAngle;
    drawFixedProtractor(canvas(), tool_.origin, tool_.aim, tool_.angle);
    const double pointer = directionTowards(mouse, tool_.origin);
    const double angle = pointerAngle(tool_.angle, pointer);
    fromZeroEnd_.caption = angleReadingText(angle);
    // Off the drawn half of the scale the pointer gives no reading, though the first
    // caption still follows it.
    if (!pointerOnScale(angle)) {
        return;
    }
    tool_.reading = angle * 180 / pi;
    drawProtractorPointer(canvas(), tool_.origin, pointer);
    const double supplement = pi - angle;
    supplementReading = supplement * 180 / pi;
    fromOtherEnd_.caption = angleReadingText(supplement);
}

Verdict ProtractorPage::check() const {
    const double reading =
        chosenReading == AngleReading::FromOtherEnd ? supplementReading : tool_.reading;
    // From the normal, the angle asked for is the one between the ray and the normal.
    const double error = betweenTwoLines_.checked()
                             ? std::fabs(reading - exercise.exerciseAngle)
                             : std::fabs(std::fabs(90 - exercise.exerciseAngle) - reading);
    return {gradeOfError(error, kRightBelowDegrees, kNearlyBelowDegrees), praise()};
}
