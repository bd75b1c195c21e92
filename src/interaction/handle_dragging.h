// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "bench/bench_mouse_mode.h"
#include "window/choices.h"

class InteractionLayer;

// The bench's mouse as it is while neither measuring nor copy-selecting: a press on a handle
// grabs it, and what the grab does with the mouse is decided once, by the handle grabbed. A
// source handle turns its ray, an aim handle slides the point of contact along the device's
// left face, a middle handle shifts the ray parallel, and the centre handle carries the
// device with every handle. Clicks on the picture itself do nothing.
class DraggingHandles : public BenchMouseMode {
  public:
    explicit DraggingHandles(InteractionLayer& window);

    void handlePressed(Shape& handle) override;
    void handleMoved(Shape& handle, int x, int y) override;
    void handleReleased() override;

    void picturePressed(Point) override {}
    void pictureMoved(Point at) override;
    void pictureReleased() override {}
    std::optional<std::string> pictureHint() const override;

    void abandon() override {}
    void leave() override;

    // Where the mouse goes, relative to the grabbed handle, to carry it (dx, dy) further, as a
    // drag would; none while no handle is held.
    std::optional<Point> pointerMovingBy(int dx, int dy) const;

  private:
    struct Grab {
        Shape* handle;
        HandleOf of;
    };
    void dragSource(Shape& handle, int source, int x, int y);
    void dragAim(Shape& aim, int source, int y);
    void dragMiddle(int source, int y);
    void dragDevice(int x, int y);
    int clampedAimTop(int top) const;
    void settleDraggedAim(int source);
    void updateSourceAngle(int source);

    InteractionLayer& window_;
    std::optional<Grab> grab_;
};
