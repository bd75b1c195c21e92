// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "bench/bench_mouse_mode.h"

class MeasureLayer;

// The bench's mouse while Measure is on: the ruler or the protractor follows it. Each click
// on the picture moves the tool on to its next phase: the ruler is carried, turned about
// its origin, then left standing; the protractor likewise, with its second arm set before
// it stands. This mode alone keeps the phase and the tool's points.
class MeasuringMode : public BenchMouseMode {
  public:
    explicit MeasuringMode(MeasureLayer& window);

    // While measuring no handle lies on the bench; a handle still held from before
    // measuring began counts its release as a click, without starting the cycle over.
    void handlePressed(Shape&) override {}
    void handleMoved(Shape&, int, int) override {}
    void handleReleased() override { ++phase_; }

    void picturePressed(Point at) override;
    void pictureMoved(Point at) override;
    void pictureReleased() override;
    std::optional<std::string> pictureHint() const override;

    bool keepsHandlesOffTheBench() const override { return true; }

    void abandon() override { phase_ = 0; }
    void leave() override { phase_ = 0; }

    int phase() const { return phase_; }
    // The tool's origin, the point that sets its direction, and that direction once set.
    Point origin() const { return origin_; }
    Point arm() const { return arm_; }
    double firstArmAngle() const { return firstArmAngle_; }

  private:
    bool angleMode() const;
    void measureAt(Point at);
    void measureAngleAt(Point at);

    MeasureLayer& window_;
    int phase_ = 0;
    Point origin_;
    Point arm_;
    double firstArmAngle_ = 0.0;
};
