// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_painter.h"
#include "bench/ray_path.h"
#include "controls/controls.h"
#include "controls/handle_geometry.h"
#include "window/bench_settings.h"

// The optical bench: its state, the rays of the last pass, and the whole redraw, from the
// device picture through the rays and the torches to the handles the rays place. It is
// told how to draw by a BenchSettings value with each redraw and reads no control; the
// handlers above set its numbers (zoom, radii, indices, where the sources point) directly.
class Bench : public BenchState {
  public:
    // The bench picture, the device picture beneath it, and the handles lying on them: the
    // device's centre handle and each source's source, aim and middle handle.
    Bench(Picture& benchPicture, Picture& devicePicture, Shape& centreHandle,
          const OneBased<Shape*, 9>& sourceHandles);
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    // While the mouse holds a handle each source's line runs on far past its aim, when
    // "Extend Incident Ray" is on. The handle-dragging mode sets it as it grabs and lets go.
    bool handleHeld = false;

    // The rays of the last trace pass, in drawing order. A pass keeps the rays of the sources
    // that did not move; they are always what tracing every source afresh gives.
    std::vector<RayPath> tracedRays;
    std::vector<RayPath> tracedAfresh(const BenchSettings& settings) const;

    // The bench as the window creates it, drawn once; the answer is the read-out.
    std::optional<std::string> create(const BenchSettings& settings);
    // Redraws the device picture and then the rays. The answer, here and below, is the
    // read-out of the first ray ("Angle of Incidence is ..."), none when no ray was traced.
    std::optional<std::string> drawDevice(const BenchSettings& settings);
    // Traces and draws every ray over a copy of the device picture, with the torches, and
    // puts the handles where the rays say.
    std::optional<std::string> drawRays(const BenchSettings& settings);
    void drawLightSources(const BenchSettings& settings);

    // The source, aim and middle handle of source i (1..3), and the centre handle.
    Shape& sourceHandle(int i) { return *handleShapes[i]; }
    Shape& aimHandle(int i) { return *handleShapes[i + 3]; }
    Shape& middleHandle(int i) { return *handleShapes[i + 6]; }
    const Shape& sourceHandle(int i) const { return *handleShapes[i]; }
    const Shape& aimHandle(int i) const { return *handleShapes[i + 3]; }
    Shape& centreHandle() { return centerg_; }
    // A handle's centre in bench pixels.
    Point benchCentre(const Shape& handle) const { return centreOnPicture(handle, planeim_); }

    // A source stays clear of the device's left edge, as a dragged one does.
    void keepLeftOfTheDevice(Shape& source) const;
    void recomputeDeviceOffset();
    // The Left that puts an aim handle at this Top in front of where the first slit's ray
    // meets the left face.
    int leftFaceLeft(int aimTop) const;
    // A middle handle lies halfway between its source and its aim.
    void placeMiddleHandle(int i);
    // A point source's three rays leave from source 1.
    void gatherOnSourceOne();
    // The device moves with every handle, shown or not.
    void moveDevice(int dx, int dy);

  private:
    // Each source as the last pass traced and painted it, on the bench it was traced on (its
    // rays are its share of tracedRays). A source whose handles have not moved, on a bench
    // traced the same, keeps its rays; one painted the same as before (one not being
    // dragged) keeps the number under which it is handed to the canvas, so that the canvas
    // may put back its pixels.
    struct TracedSource {
        SourceAim handles;
        SourcePicture picture;
        std::uint64_t number = 0;
    };
    Canvas& benchCanvas() { return *planeim_.canvas; }
    int aimLeftAt(double entryX) const;
    int slitSpacing(const BenchSettings& settings) const;
    TraceSetup traceSetup(const BenchSettings& settings) const;
    std::vector<const SourcePicture*> traceKeepingUnmovedSources(const BenchSettings& settings);
    void retrace(std::optional<TracedSource>& last, const BenchFrame& frame,
                 const SourceAim& handles, const std::vector<RayPath>& rays);
    void placeHandlesOnTheRays(const BenchSettings& settings);
    std::vector<BenchTrace::HeldLine> heldSourceLines(const BenchSettings& settings) const;
    std::optional<std::vector<Rect>> centresOfCurvature(const BenchSettings& settings) const;
    void drawCentreMarker();

    Picture& planeim_;
    Picture& lensim_;
    Shape& centerg_;
    std::vector<std::optional<TracedSource>> lastTraced_;
    std::optional<TraceSetup> lastSetup_;
    std::uint64_t lastNumber_ = 0;
};
