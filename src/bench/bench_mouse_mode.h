// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "canvas/canvas.h"
#include "controls/controls.h"

// What the mouse does on the bench: drag the handles, measure with the ruler or the
// protractor, or frame a part of the picture to copy. One mode is current at a time; the
// window chooses it from the Measure box and "Enable Copy Select" and hands it every press,
// move and release, on the handles and on the bench picture. Each mode keeps its own phase.
class BenchMouseMode {
  public:
    BenchMouseMode() = default;
    BenchMouseMode(const BenchMouseMode&) = delete;
    BenchMouseMode& operator=(const BenchMouseMode&) = delete;
    virtual ~BenchMouseMode() = default;

    // On a handle, with the mouse relative to the handle's top-left corner.
    virtual void handlePressed(Shape& handle) = 0;
    virtual void handleMoved(Shape& handle, int x, int y) = 0;
    virtual void handleReleased() = 0;

    // On the bench picture, in bench pixels.
    virtual void picturePressed(Point at) = 0;
    virtual void pictureMoved(Point at) = 0;
    virtual void pictureReleased() = 0;
    // What the status line says of the bench picture now; none where it stays as it was.
    virtual std::optional<std::string> pictureHint() const = 0;

    // While the mode holds, no handle may lie on the bench to catch its clicks.
    virtual bool keepsHandlesOffTheBench() const { return false; }

    // The experiment changed under the mode: whatever it had under way on the picture no
    // longer fits it and starts over.
    virtual void abandon() = 0;
    // Another mode takes over.
    virtual void leave() = 0;
};
