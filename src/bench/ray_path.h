// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "bench/bench_state.h"
#include "bench/optics.h"
#include "canvas/canvas.h"
#include "controls/translation.h"

// Where the rays go, as data: each ray of a trace pass as the strokes it is drawn with, in
// drawing order, with the pen of each. Nothing here draws; bench/ray_painter.h does.

// What a stroke of a ray is.
enum class StrokeKind {
    Incident,   // from the source to the device, or to where it meets the device first
    Normal,     // the dotted normal through a point where the ray meets a surface
    Inside,     // through the device
    Emergent,   // out of the device: refracted at a surface or a flat face
    Reflected,  // turned back at a surface: at the entry, or the stub of an internal reflection
    Extension,  // the dotted continuation of a ray behind the surface it left
    Note,       // "Internally reflected", written with its top-left corner at `from`
    Arrow,      // one barb of an arrowhead on a ray: from its tip, on the ray, back to its end
};

// One stroke, device frame: drawn from `from` to `to` (end pixel left out) with `pen`.
struct Stroke {
    StrokeKind kind = StrokeKind::Incident;
    Vec2 from;
    Vec2 to;
    Pen pen;
    bool operator==(const Stroke&) const = default;
};

// "Internally reflected", written where total internal reflection stops a ray.
inline std::string internallyReflectedNote() {
    //: Written on the bench where a ray is turned back inside the glass (total internal
    //: reflection).
    return text::translate("Readouts", "Internally reflected");
}

// The spread of the glass index between neighbouring traced colours.
inline constexpr double kDispersionStep = 0.01;

// The glass index traced for colour c (1..3) of colourCount: one colour traces the index the
// "Glass" slider shows; three trace it for the middle one (green), red 0.01 below and blue
// 0.01 above, so that blue bends most.
double tracedGlassIndex(double shownGlassIndex, int colour, int colourCount);

// Where a ray left the device. A ray that stops short (reflected at its entry, internally
// reflected, or not traced on) leaves through no surface.
enum class ExitSurface { None, Right, Left, Face };
struct RayExit {
    ExitSurface surface = ExitSurface::None;
    Vec2 point;  // device frame
    bool operator==(const RayExit&) const = default;
};

// One ray of a trace pass, device frame: where it goes, what the read-out reports of it,
// and the strokes that draw it.
struct RayPath {
    int source = 0;
    int colour = 0;
    int slit = 0;
    Vec2 start;        // where the incident ray starts
    Vec2 aim;          // where it is aimed: its entry point on the left surface
    Vec2 incidentEnd;  // where the drawn incident ray ends: the aim, or where it met the device
    std::optional<double> incidentAngle;  // its direction of travel; none for no length
    std::optional<double> incidence;      // the angle of incidence, when it enters at its aim
    RayExit exit;
    std::vector<Stroke> strokes;
    // The pen the ray leaves behind: the next drawing on the bench starts from it.
    Pen penAfter;
    bool operator==(const RayPath&) const = default;
};

// Everything tracing reads, by value: the bench's frame and colours, the switches of the
// View menu, the lengths the pass draws with, and the slits. Equal setups trace equal rays
// from equal handles, which lets a pass keep the rays of the sources that did not move.
struct TraceSetup {
    BenchFrame frame;
    BenchColours colours;
    bool mirror = false;             // a mirror reflects every ray at its surface
    bool showNormals = false;        // "Show Normal"
    bool extendRay = false;          // "Extend Refracted Ray" / "Extend Reflected Ray"
    bool showRefraction = true;      // false: rays stop where they meet the device
    bool threeColourPens = false;    // the coloured strokes are 1 pixel wide, not 2
    bool followReflections = false;  // "Follow Internal Reflections": on through the glass
    bool showDirections = false;     // "Show Ray Directions": an arrowhead on every ray segment
    int normalLength = 35;  // half-length of a normal, length of an internal-reflection stub
    int benchWidth = 0;     // length of a ray leaving the right surface
    int benchHeight = 0;    // with the width, the picture the arrowheads are put in
    int widthPosition = 0;  // the width bar's position, for a face reflection's plane exit
    int slitSpacing = 0;    // pixels between neighbouring slits
    int slitCount = 1;
    bool operator==(const TraceSetup&) const = default;
};

// A source's handles as the tracer reads them: their centres, bench pixels.
struct SourceAim {
    Point source;
    Point aim;
    bool operator==(const SourceAim&) const = default;
};

// The row (device frame) where slit s of a source aimed at bench row aimRow meets the
// device: the slits spread about the aim, those that would fall outside the device lie
// along its top or bottom edge.
int slitRow(const BenchFrame& frame, int aimRow, int slitSpacing, int slit);

// Every ray of source number `source`: each of its colours, each colour's slits.
std::vector<RayPath> traceSource(const TraceSetup& setup, const SourceAim& handles, int source);
// Every ray of every source, source by source.
std::vector<RayPath> traceRays(const TraceSetup& setup, std::span<const SourceAim> sources);

// One ray at the point where it meets the device's left surface, device frame.
struct RayEntry {
    Vec2 point;               // (x1, y1)
    double incidentAngle;     // direction of the incident ray
    double entryNormalAngle;  // direction of the normal line at the entry point
    int colour;               // 1..3: selects the ray colour and the device's index
};

// Refraction or reflection at the left surface, the passage through the device to the
// first surface the ray meets going forward (at most one reflection at a flat top or
// bottom face is followed), and refraction or internal reflection on the way out. An
// internally reflected ray ends in a short stub, or with followReflections is followed on
// through the glass until it leaves; a ray that meets the device again from outside stops
// there, or with followReflections goes in again. The strokes are added to the path, the
// path's penAfter starting as the pen the incident ray left and ending as the ray leaves it.
void traceThroughDevice(const TraceSetup& setup, const RayEntry& entry, RayPath& path);

// Where a ray at row y1 (device frame) meets the left surface, and the normal there.
struct LeftSurfaceEntry {
    double x1;
    double normalAngle;
};
LeftSurfaceEntry leftSurfaceEntry(const BenchFrame& bench, int y1);
// The left surface's normal at row y, pointing into the device.
double leftSurfaceNormal(const BenchFrame& bench, double y);

// A device-frame point as the bench pixel it is drawn at.
Point benchPixel(const BenchFrame& bench, Vec2 p);
