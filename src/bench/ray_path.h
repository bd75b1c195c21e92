// SPDX-License-Identifier: MIT
#pragma once

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

// Refraction or reflection at the left surface, the passage to the right surface (with
// at most one reflection at a flat top or bottom face), and refraction or internal
// reflection on the way out, each drawn on the pass's canvas. The canvas's pen holds the
// ray colour as the incident ray left it.
void traceThroughDevice(const RayPass& pass, RayEntry entry);

// Where a ray at row y1 (device frame) meets the left surface, and the normal there.
struct LeftSurfaceEntry {
    double x1;
    double normalAngle;
};
LeftSurfaceEntry leftSurfaceEntry(const BenchState& bench, int y1);

// Draws a line between two device-frame points on the bench picture.
void drawInDeviceFrame(Canvas& canvas, const BenchState& bench, Vec2 from, Vec2 to);

// "Internally reflected", written where total internal reflection stops a ray.
inline constexpr const char* kInternallyReflected = "Internally reflected";

// The step added to the glass index per traced colour: colour c sees glass + 0.01 c.
inline constexpr double kDispersionStep = 0.01;
