// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bench/bench.h"
#include "bench/bench_mouse_mode.h"
#include "window/main_window_controls.h"

// The bench's layer of the main window: the bench, redrawn with the settings the window's
// controls hold; the index sliders and the ray colours; and which mode the bench's mouse is
// in. Every layer above redraws by calling down into it.
class BenchLayer : public MainWindowControls {
  public:
    explicit BenchLayer(const CanvasFactory& makeCanvas);

    Bench bench;

    // Creation: the bench's state as the window starts, then the first drawing.
    void FormCreate();

    // The redraw, as the window's hidden operation buttons name it: redraw the device (and
    // then the rays), redraw the rays, draw the light sources.
    void drawlensbtClick();
    void plotbtClick();
    void flashlightbtClick();

    void airindexChange(Control& sender);
    void airindexExit(Control& sender);
    void OneclrbClick(Control& sender);
    void Colour1Click(Control& sender);

    // The source, aim and middle handle of source i (1..3).
    Shape& sourceHandle(int i) { return bench.sourceHandle(i); }
    Shape& aimHandle(int i) { return bench.aimHandle(i); }
    Shape& middleHandle(int i) { return bench.middleHandle(i); }
    // A handle's centre in bench pixels.
    Point benchCentre(const Shape& handle) const { return bench.benchCentre(handle); }

    // What the bench's mouse does now.
    BenchMouseMode& mouseMode() { return *mouseMode_; }
    const BenchMouseMode& mouseMode() const { return *mouseMode_; }

  protected:
    // The mode the bench's mouse is in from now on; the one before leaves.
    void setMouseMode(BenchMouseMode& mode);

  private:
    void showReadout(const std::optional<std::string>& readout);
    void updateFirstRayColour();

    BenchMouseMode* mouseMode_ = nullptr;
};
