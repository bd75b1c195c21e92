// SPDX-License-Identifier: MIT
#include "practice/ray_movement_page.h"
#include "controls/translation.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "canvas/pixel.h"
#include "controls/handle_geometry.h"
#include "controls/number_text.h"
#include "practice/practice_geometry.h"
#include "practice/ray_movement_exercise.h"

namespace {

constexpr int kSubExercises = 4;
constexpr int kMinimumHandleGap = 15;
constexpr int kLineHandleBelowHitPoint = 7;
constexpr double kRayStartInset = 40;
constexpr int kLineShiftPerStep = 20;
constexpr int kLineShift = 5;
constexpr int kHitPointShiftPerStep = 15;
constexpr int kHitPointShift = 5;
constexpr double kAngleTolerance = 0.03;
constexpr int kPositionTolerance = 3;

std::string directionHint() {
    return text::translate("Practice", "Adjust the ray\u00B4s angle of incidence.");
}
std::string hitPointHint() {
    return text::translate("Practice", "Adjust the point where the ray hits the interface.");
}
std::string midpointHint() {
    return text::translate("Practice", "Adjust the ray\u00B4s position preserving the angle.");
}
std::string lineHint() {
    return text::translate("Practice", "Adjust to move entire structure.");
}

}  // namespace

RayMovementPage::RayMovementPage(const Picture& picture, Handles handles, Label& hintLine,
                                 RandomSource& random)
    : picture_(picture), handles_(handles), hintLine_(hintLine), random_(random) {}

void RayMovementPage::generate() {
    subExercise = (subExercise + 1) % kSubExercises;
    exercise.targetLineX = resetHitPointLeft() - picture_.left + kHandleCentre;
    if (subExercise == kMoveEverything) {
        exercise.targetLineX += exerciseStep(random_) * kLineShiftPerStep + kLineShift;
    }
    exercise.exerciseAngle = targetRayAngle(exerciseStep(random_));
    // The target is placed from where the student left the hit point: at its very height
    // for the first exercise, a few steps off it (in Panel1's coordinates) for the others.
    exercise.exerciseLength = subExercise == kTurnTheRay
                                  ? centreOnPicture(handles_.hitPoint, picture_).y
                                  : exerciseStep(random_) * kHitPointShiftPerStep + kHitPointShift +
                                        handles_.hitPoint.top;
    reset();
}

void RayMovementPage::reset() {
    resetHandles();
    draw();
}

void RayMovementPage::resetHandles() {
    const int height = picture_.height;
    const double angle = subExercise == kShiftTheRay ? exercise.exerciseAngle : 0.0;
    const double rayLength = picture_.width / 2.0 - kRayStartInset;
    Shape& hitPoint = handles_.hitPoint;
    hitPoint.top = height / 2;
    hitPoint.left = resetHitPointLeft();
    handles_.line.left = hitPoint.left;
    handles_.line.top = height / 2 + kLineHandleBelowHitPoint;
    handles_.direction.top = hitPoint.top - truncPixel(std::sin(angle) * rayLength);
    handles_.direction.left = hitPoint.left - truncPixel(std::cos(angle) * rayLength);
    placeMidpoint();
}

int RayMovementPage::resetHitPointLeft() const {
    return 2 * (picture_.width / 3);
}

void RayMovementPage::placeMidpoint() {
    handles_.midpoint.top = (handles_.direction.top + handles_.hitPoint.top) / 2;
    handles_.midpoint.left = (handles_.direction.left + handles_.hitPoint.left) / 2;
}

double RayMovementPage::rayDirection() const {
    return principalSlope(handles_.direction.top - handles_.hitPoint.top,
                          handles_.direction.left - handles_.hitPoint.left);
}

void RayMovementPage::draw() {
    Canvas& canvas = this->canvas();
    clearToWhite(canvas);
    canvas.pen.width = 2;
    drawTarget();
    canvas.pen.color = colours::black;
    const int lineX = centreOnPicture(handles_.line, picture_).x;
    strokeLine(canvas, {lineX, 0}, {lineX, picture_.height});
    canvas.pen.color = colours::red;
    strokeLine(canvas, centreOnPicture(handles_.hitPoint, picture_),
               centreOnPicture(handles_.direction, picture_));
    canvas.pen.width = 1;
    canvas.brush.color = canvas.pen.color;
    drawTorch();
}

void RayMovementPage::drawTarget() {
    drawRayTarget(canvas(), exercise.targetLineX, exercise.exerciseAngle, exercise.exerciseLength);
}

void RayMovementPage::drawTorch() {
    ::drawTorch(canvas(), lampOnPicture(handles_.direction, picture_), rayDirection());
}

void RayMovementPage::pictureMouseMove(Point) {
    draw();
}

bool RayMovementPage::moveRayEnd(Shape& handle, Point by) {
    const bool direction = &handle == &handles_.direction;
    hintLine_.caption = direction ? directionHint() : hitPointHint();
    if (!handleHeld) {
        return false;
    }
    handle.top += by.y;
    if (direction) {
        handle.left += by.x;
    }
    // The torch must stay on the near side of the interface.
    const int farthestLeft = handles_.hitPoint.left - kMinimumHandleGap;
    if (handles_.direction.left > farthestLeft) {
        handles_.direction.left = farthestLeft;
    }
    placeMidpoint();
    return true;
}

bool RayMovementPage::moveCarryingHandle(Shape& handle, Point by) {
    hintLine_.caption = &handle == &handles_.midpoint ? midpointHint() : lineHint();
    if (!handleHeld) {
        return false;
    }
    struct Carried {
        Shape* handle;
        Point offset;  // from the carried handle to the dragged one
    };
    Carried carried[] = {
        {&handles_.direction, {}}, {&handles_.midpoint, {}}, {&handles_.hitPoint, {}}};
    for (Carried& c : carried) {
        c.offset = {handle.left - c.handle->left, handle.top - c.handle->top};
    }
    handle.top += by.y;
    if (&handle == &handles_.line) {
        handle.left += by.x;
    }
    for (const Carried& c : carried) {
        c.handle->left = handle.left - c.offset.x;
        c.handle->top = handle.top - c.offset.y;
    }
    return true;
}

Verdict RayMovementPage::check() const {
    const int lineX = centreOnPicture(handles_.line, picture_).x;
    const int hitY = centreOnPicture(handles_.hitPoint, picture_).y;
    const bool right = std::fabs(rayDirection() - exercise.exerciseAngle) < kAngleTolerance &&
                       std::abs(lineX - exercise.targetLineX) < kPositionTolerance &&
                       std::abs(hitY - truncPixel(exercise.exerciseLength)) < kPositionTolerance;
    return {right ? Grade::Right : Grade::Wrong, wellDone()};
}

std::string RayMovementPage::nameOf(const Shape& handle) const {
    if (&handle == &handles_.direction) {
        const double degrees = rayDirection() * 180.0 / std::numbers::pi;
        //: A screen reader's name of a handle; %1 is the ray's direction in degrees.
        return text::arg(text::translate("Practice", "Torch end of the ray, at %1 degrees"),
                         {oneDecimalText(degrees)});
    }
    if (&handle == &handles_.hitPoint) {
        return text::translate("Practice", "Where the ray meets the interface");
    }
    if (&handle == &handles_.midpoint) {
        return text::translate("Practice", "Middle of the ray");
    }
    return text::translate("Practice", "Interface line");
}

std::string RayMovementPage::hintOf(const Shape& handle) const {
    if (&handle == &handles_.direction) {
        return directionHint();
    }
    if (&handle == &handles_.hitPoint) {
        return hitPointHint();
    }
    return &handle == &handles_.midpoint ? midpointHint() : lineHint();
}
