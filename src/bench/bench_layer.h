// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_painter.h"
#include "bench/ray_path.h"
#include "controls/handle_geometry.h"
#include "window/main_window_controls.h"

// The bench's layer of the main window: the bench state and the whole redraw, from the
// device picture through the rays and the torches to the handles the rays place; the index
// sliders and the ray colours. Every layer above redraws by calling down into it.
class BenchLayer : public MainWindowControls {
  public:
    explicit BenchLayer(const CanvasFactory& makeCanvas);

    BenchState bench;
    // The rays of the last trace pass, in drawing order. A pass keeps the rays of the sources
    // that did not move; they are always what tracing every source afresh gives.
    std::vector<RayPath> tracedRays;
    std::vector<RayPath> tracedAfresh() const;

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
    // A middle handle lies halfway between its source and its aim.
    void placeMiddleHandle(int i);

  private:
    // Each source as the last pass traced and painted it, on the bench it was traced on (its
    // rays are its share of tracedRays). A source whose handles have not moved, on a bench
    // traced the same, keeps its rays; one
    // painted the same as before (one not being dragged) keeps the number under which it is
    // handed to the canvas, so that the canvas may put back its pixels.
    struct TracedSource {
        SourceAim handles;
        SourcePicture picture;
        std::uint64_t number = 0;
    };
    void updateFirstRayColour();
    int slitSpacing() const;
    TraceSetup traceSetup() const;
    std::vector<const SourcePicture*> traceKeepingUnmovedSources(int sources);
    void retrace(std::optional<TracedSource>& last, const BenchFrame& frame,
                 const SourceAim& handles, const std::vector<RayPath>& rays);
    void placeHandlesOnTheRays(int sources);
    std::vector<BenchTrace::HeldLine> heldSourceLines() const;
    std::optional<std::vector<Rect>> centresOfCurvature() const;
    void drawCentreMarker();

    std::vector<std::optional<TracedSource>> lastTraced_;
    std::optional<TraceSetup> lastSetup_;
    std::uint64_t lastNumber_ = 0;
};
