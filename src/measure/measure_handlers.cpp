// SPDX-License-Identifier: MIT
// Measuring on the bench: the Measure switch and mode, and the bench's mouse moves and
// releases, which slide the options group, show hints, set the cursor and drive the tool.
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "canvas/screen_geometry.h"
#include "measure/measure_layer.h"
#include "measure/measuring_tool.h"

namespace {

constexpr int kLengthPhases = 3;
// While the tool follows the mouse it lies to the right of it, its direction fixed by a
// point this far along.
constexpr int kToolArmOffset = 20;
constexpr int kAnglePhases = 4;

const char* modeCaption(MeasureMode mode) {
    return mode == MeasureMode::Angle ? "Angles are" : "Distance =";
}

}  // namespace

void MeasureLayer::domeasurecbClick(Control&) {
    const bool measuring = domeasurecb.checked();
    showHandlesForMeasuring(measuring);
    anslb.visible = measuring;
    anslb.caption = modeCaption(measureMode);
    bench.measureStep = 0;
    plotbtClick();
}

void MeasureLayer::measurerbClick(Control& sender) {
    measureMode = carriedValue(sender) == 1 ? MeasureMode::Angle : MeasureMode::Length;
    anslb.caption = modeCaption(measureMode);
    bench.measureStep = 0;
}

void MeasureLayer::planeimMouseMove(int x, int y) {
    slideOptionsGroupAway();
    if (!dragCopySelection(x, y)) {
        showBenchHint();
    }
    planeim.cursor = domeasurecb.checked() ? Cursor::Cross : Cursor::Arrow;
    if (domeasurecb.checked()) {
        measureAt(x, y);
    }
}

void MeasureLayer::planeimMouseUp(MouseButton, int, int) {
    finishCopySelection();
    // Length cycles through three phases, Angle through four.
    const int phases = angleMode() ? kAnglePhases : kLengthPhases;
    bench.measureStep = (bench.measureStep + 1) % phases;
}

void MeasureLayer::showBenchHint() {
    if (const std::optional<std::string> hint = benchHint()) {
        hintslb.caption = *hint;
    }
}

std::optional<std::string> MeasureLayer::benchHint() const {
    if (!domeasurecb.checked()) {
        return "Right click to copy image.\rSee Menus to change what is displayed";
    }
    if (bench.measureStep == 0) {
        return "Move mouse and click where you want to start your measurement.";
    }
    if (bench.measureStep == 1) {
        return "Move mouse and click to fix direction of measuring device.  For best accuracy "
               "move mouse away from center.";
    }
    if (bench.measureStep == 2 && angleMode()) {
        return "Move mouse and click to fix angle measurement.";
    }
    return std::nullopt;
}

// Phase 0 carries the tool with the mouse, lying to the right; phase 1 turns it towards
// the mouse about the fixed origin. Later phases belong to the angle's second arm or
// leave the result standing.
void MeasureLayer::measureAt(int x, int y) {
    if (bench.measureStep == 2 && angleMode()) {
        measureAngleAt(x, y);
        return;
    }
    if (bench.measureStep == 0) {
        bench.markX = x;
        bench.markY = y;
        bench.armX = x + kToolArmOffset;
        bench.armY = y;
    } else if (bench.measureStep == 1) {
        bench.armX = x;
        bench.armY = y;
    } else {
        return;
    }
    const Point origin{bench.markX, bench.markY};
    const double theta = toolDirection(origin, {bench.armX, bench.armY});
    plotbtClick();
    Canvas& canvas = planeCanvas();
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    if (angleMode()) {
        drawProtractor(canvas, origin, theta);
        strokeLine(canvas, {x, y}, mirrored({x, y}, origin));
    } else {
        const double scalePixels = bench.zoomFactor * bench.radiusUnit;
        drawRuler(canvas, origin, {x, y}, theta, scalePixels);
        const double dx = bench.markX - x;
        const double dy = bench.markY - y;
        const double length = std::sqrt(dx * dx + dy * dy);
        anslb.caption = lengthCaption(length / scalePixels * 10.0);
    }
    bench.measureFirstAngle = theta;
}

void MeasureLayer::measureAngleAt(int x, int y) {
    plotbtClick();
    const Point origin{bench.markX, bench.markY};
    const double theta = bench.measureFirstAngle;
    Canvas& canvas = planeCanvas();
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    drawProtractor(canvas, origin, theta);
    drawBaseLine(canvas, origin, theta);
    const double phi = toolDirection(origin, {x, y});
    double alpha = theta - phi;
    if (alpha < -std::numbers::pi / 2) {
        alpha += 2 * std::numbers::pi;
    }
    // Beyond the base line the second arm is not drawn and the last reading stands.
    if (const std::optional<std::string> caption = angleCaption(alpha)) {
        drawSecondArm(canvas, origin, phi);
        anslb.caption = *caption;
    }
}
