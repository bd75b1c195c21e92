// SPDX-License-Identifier: MIT
#include "measure/measuring_mode.h"
#include "controls/translation.h"

#include <cmath>
#include <numbers>

#include "canvas/screen_geometry.h"
#include "measure/measure_layer.h"
#include "measure/measuring_tool.h"

namespace {

constexpr int kLengthPhases = 3;
constexpr int kAnglePhases = 4;
// While the tool follows the mouse it lies to the right of it, its direction fixed by a
// point this far along.
constexpr int kToolArmOffset = 20;

// The phases the tool goes through.
enum Phase : int { kCarried = 0, kTurned = 1, kSecondArm = 2 };

}  // namespace

MeasuringMode::MeasuringMode(MeasureLayer& window) : window_(window) {}

bool MeasuringMode::angleMode() const {
    return window_.measureMode == MeasureMode::Angle;
}

// The click that fixes the origin fixes it where it is pressed, as a move there would have
// put it, also when no move came first (a key on the bench).
void MeasuringMode::picturePressed(Point at) {
    if (phase_ == kCarried) {
        origin_ = at;
        arm_ = {at.x + kToolArmOffset, at.y};
    }
}

void MeasuringMode::pictureMoved(Point at) {
    if (const std::optional<std::string> hint = pictureHint()) {
        window_.hintslb.caption = *hint;
    }
    window_.planeim.cursor = Cursor::Cross;
    measureAt(at);
}

// Length cycles through three phases, Angle through four.
void MeasuringMode::pictureReleased() {
    const int phases = angleMode() ? kAnglePhases : kLengthPhases;
    phase_ = (phase_ + 1) % phases;
}

std::optional<std::string> MeasuringMode::pictureHint() const {
    if (phase_ == kCarried) {
        return text::translate("Hints",
                               "Move mouse and click where you want to start your measurement.");
    }
    if (phase_ == kTurned) {
        return text::translate("Hints",
                               "Move mouse and click to fix direction of measuring device.  For "
                               "best accuracy move mouse away from center.");
    }
    if (phase_ == kSecondArm && angleMode()) {
        return text::translate("Hints", "Move mouse and click to fix angle measurement.");
    }
    return std::nullopt;
}

// Phase 0 carries the tool with the mouse, lying to the right; phase 1 turns it towards
// the mouse about the fixed origin. Later phases belong to the angle's second arm or
// leave the result standing.
void MeasuringMode::measureAt(Point at) {
    if (phase_ == kSecondArm && angleMode()) {
        measureAngleAt(at);
        return;
    }
    if (phase_ == kCarried) {
        origin_ = at;
        arm_ = {at.x + kToolArmOffset, at.y};
    } else if (phase_ == kTurned) {
        arm_ = at;
    } else {
        return;
    }
    const double theta = toolDirection(origin_, arm_);
    window_.plotbtClick();
    Canvas& canvas = window_.planeCanvas();
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    if (angleMode()) {
        drawProtractor(canvas, origin_, theta);
        strokeLine(canvas, at, mirrored(at, origin_));
    } else {
        const double scalePixels = window_.bench.zoomFactor * window_.bench.radiusUnit;
        drawRuler(canvas, origin_, at, theta, scalePixels);
        const double dx = origin_.x - at.x;
        const double dy = origin_.y - at.y;
        const double length = std::sqrt(dx * dx + dy * dy);
        window_.anslb.caption = lengthCaption(length / scalePixels * 10.0);
    }
    firstArmAngle_ = theta;
}

void MeasuringMode::measureAngleAt(Point at) {
    window_.plotbtClick();
    const double theta = firstArmAngle_;
    Canvas& canvas = window_.planeCanvas();
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    drawProtractor(canvas, origin_, theta);
    drawBaseLine(canvas, origin_, theta);
    const double phi = toolDirection(origin_, at);
    double alpha = theta - phi;
    if (alpha < -std::numbers::pi / 2) {
        alpha += 2 * std::numbers::pi;
    }
    // Beyond the base line the second arm is not drawn and the last reading stands.
    if (const std::optional<std::string> caption = angleCaption(alpha)) {
        drawSecondArm(canvas, origin_, phi);
        window_.anslb.caption = *caption;
    }
}
