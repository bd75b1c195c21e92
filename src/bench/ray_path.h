// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "bench/bench_state.h"
#include "bench/optics.h"
#include "canvas/canvas.h"

// What the path of one ray through the device needs from the pass that traces it.
struct RayPass {
    Canvas& canvas;
    const BenchState& bench;
    bool mirror;        // a mirror reflects every ray at its surface
    bool showNormals;   // "Show Normal"
    bool extendRay;     // "Extend Refracted Ray" / "Extend Reflected Ray"
    int normalLength;   // half-length of a normal, length of an internal-reflection stub
    int benchWidth;     // length of a ray leaving the right surface
    int widthPosition;  // the width bar's position, for a face reflection's plane exit
};

// One ray at the point where it meets the device's left surface, device frame.
struct RayEntry {
    Vec2 point;               // (x1, y1)
    double incidentAngle;     // direction of the incident ray
    double entryNormalAngle;  // direction of the normal line at the entry point
    int colour;               // 1..3: selects the ray colour and the device's index
    int rayWidth;             // 1 with three colours, else 2
    bool stopped;             // true when refraction is not shown
};

// Where a ray left the device. A ray that stops short (reflected at its entry, internally
// reflected, or not traced on) leaves through no surface.
enum class ExitSurface { None, Right, Left, Face };
struct RayExit {
    ExitSurface surface = ExitSurface::None;
    Vec2 point;  // device frame
};

// Refraction or reflection at the left surface, the passage through the device to the
// first surface the ray meets going forward (at most one reflection at a flat top or
// bottom face is followed), and refraction or internal reflection on the way out, each
// drawn on the pass's canvas. The canvas's pen holds the ray colour as the incident ray
// left it.
RayExit traceThroughDevice(const RayPass& pass, RayEntry entry);

// One ray of the last trace pass as it was drawn, device frame: what the read-out reports
// and what a check of the picture needs.
struct TracedRay {
    int source = 0;
    int colour = 0;
    int slit = 0;
    Vec2 start;        // where the incident ray starts
    Vec2 aim;          // where it is aimed: its entry point on the left surface
    Vec2 incidentEnd;  // where the drawn incident ray ends: the aim, or where it met the device
    std::optional<double> incidentAngle;  // its direction of travel; none for no length
    std::optional<double> incidence;      // the angle of incidence, when it enters at its aim
    RayExit exit;
};

// Where a ray at row y1 (device frame) meets the left surface, and the normal there.
struct LeftSurfaceEntry {
    double x1;
    double normalAngle;
};
LeftSurfaceEntry leftSurfaceEntry(const BenchFrame& bench, int y1);
// The left surface's normal at row y, pointing into the device.
double leftSurfaceNormal(const BenchFrame& bench, double y);

// Draws a line between two device-frame points on the bench picture.
void drawInDeviceFrame(Canvas& canvas, const BenchFrame& bench, Vec2 from, Vec2 to);

// "Internally reflected", written where total internal reflection stops a ray.
inline constexpr const char* kInternallyReflected = "Internally reflected";

// The step added to the glass index per traced colour: colour c sees glass + 0.01 c.
inline constexpr double kDispersionStep = 0.01;
