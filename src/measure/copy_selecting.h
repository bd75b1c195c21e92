// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

#include "bench/bench_mouse_mode.h"
#include "platform/platform.h"

class MeasureLayer;

// The bench's mouse while "Enable Copy Select" is on and Measure off: pressing on the
// picture and dragging draws a dashed frame, and releasing copies the framed part of the
// picture to the clipboard. The handles are dragged as ever.
class CopySelecting : public BenchMouseMode {
  public:
    CopySelecting(MeasureLayer& window, BenchMouseMode& handles, Platform& platform);

    void handlePressed(Shape& handle) override { handles_.handlePressed(handle); }
    void handleMoved(Shape& handle, int x, int y) override { handles_.handleMoved(handle, x, y); }
    void handleReleased() override { handles_.handleReleased(); }

    void picturePressed(Point at) override;
    void pictureMoved(Point at) override;
    void pictureReleased() override;
    std::optional<std::string> pictureHint() const override { return handles_.pictureHint(); }

    void abandon() override {}
    void leave() override;

    // The corner where the selection started; none while nothing is being selected.
    const std::optional<Point>& anchor() const { return anchor_; }

  private:
    bool showsDefaultCursor() const;
    bool dragSelection(Point at);

    MeasureLayer& window_;
    BenchMouseMode& handles_;
    Platform& platform_;
    std::optional<Point> anchor_;
};
