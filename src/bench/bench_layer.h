// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_path.h"
#include "controls/handle_geometry.h"
#include "window/main_window_controls.h"

// The bench's layer of the main window: the bench state, the trace pass (redraw rays), the
// index sliders and the ray colours. Redrawing the device and drawing the light sources
// belong to layers above; this one reaches them through their buttons.
class BenchLayer : public MainWindowControls {
  public:
    explicit BenchLayer(const CanvasFactory& makeCanvas);

    BenchState bench;
    // The rays of the last trace pass, in drawing order.
    std::vector<TracedRay> tracedRays;

    // Creation: the bench's state as the window starts, then the first drawing.
    void FormCreate();

    void plotbtClick();
    void airindexChange(Control& sender);
    void airindexExit(Control& sender);
    void OneclrbClick(Control& sender);
    void Colour1Click(Control& sender);

    // The source, aim and middle handle of source i (1..3).
    Shape& sourceHandle(int i) { return *bench.handleShapes[i]; }
    Shape& aimHandle(int i) { return *bench.handleShapes[i + 3]; }
    Shape& middleHandle(int i) { return *bench.handleShapes[i + 6]; }
    // A handle's centre in bench pixels.
    Point benchCentre(const Shape& handle) const { return centreOnPicture(handle, planeim); }

  protected:
    // A source stays clear of the device's left edge, as a dragged one does.
    void keepLeftOfTheDevice(Shape& source) const;
    void recomputeDeviceOffset();
    // The Left of an aim handle in front of its ray's entry point (a device-frame x).
    int aimLeftAt(double entryX) const;

  private:
    void updateFirstRayColour();
    void drawIncidentExtensions();
    void traceRay(const RayPass& pass, int source, int colour, int slit);
    void drawCentresOfCurvature();
};
