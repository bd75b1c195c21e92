// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "bench/bench_state.h"
#include "bench/optics.h"

// The device's outline as the tracer meets it, in the device frame and with real values:
// the left surface, and for a lens the right surface and the flat top and bottom faces
// between them. The pixels of the device picture lie within a pixel of it.

// A curved surface is one half of a circle: the half that faces the light for the left
// surface, the half that faces away from the device for the right one.
struct SurfaceCircle {
    Vec2 centre;
    double radius = 0.0;
    bool leftHalf = false;        // the drawn arc is the half left of the centre
    bool enclosesDevice = false;  // convex: the device lies inside the circle

    // Whether a point of the circle lies on the drawn half.
    bool onDrawnHalf(Vec2 p) const { return leftHalf ? p.x <= centre.x : p.x >= centre.x; }
};

// The circles of the left and right surfaces; none for a plane surface.
std::optional<SurfaceCircle> leftSurfaceCircle(const BenchFrame& bench);
std::optional<SurfaceCircle> rightSurfaceCircle(const BenchFrame& bench);

// The exact x of the left surface at row y, of which the tracer's entry point is the
// truncation.
double leftSurfaceX(const BenchFrame& bench, double y);

// Where a ray that has just been turned back at the left surface, at row y and travelling
// in direction angle `travel` on the light's side, meets the surface's drawn arc again: the
// other meeting of its line with the surface's circle, ahead of it and within the aperture.
// None when it leaves the arc for good (always, for a plane or a convex surface).
std::optional<Vec2> leftSurfaceAgain(const BenchFrame& bench, double y, double travel);
// The same for a ray turned back at `from`, a point of the surface's circle, on either side
// of it: where it meets the drawn arc of that circle again.
std::optional<Vec2> arcAgain(const BenchFrame& bench, const SurfaceCircle& circle, Vec2 from,
                             double travel);

// The exact x of the right surface at row y (a lens only).
double rightSurfaceX(const BenchFrame& bench, double y);

// The four pieces of a lens's outline: its two surfaces and its flat top and bottom faces.
enum class OutlinePiece { Left, Right, Top, Bottom };

// Which way a ray goes through the outline: out of the glass, or into it.
enum class Crossing { Outward, Inward };

// A point where a ray goes through the outline, and how far along the ray it lies.
struct OutlineCrossing {
    Vec2 point;
    OutlinePiece piece;
    double distance = 0.0;
};

// The first point ahead where a ray from `from`, travelling in direction angle `travel`,
// goes through a lens's outline the given way. `from` lies on the piece `startPiece`, which
// the ray meets there and nowhere near it: of that piece only the other meeting of a curved
// surface's circle counts. A ray that touches the outline without going through it meets
// nothing there.
std::optional<OutlineCrossing> firstCrossing(const BenchFrame& bench, Vec2 from, double travel,
                                             Crossing way, OutlinePiece startPiece);

// Where a straight incident ray from `from` to `aim`, a point of the left surface, first
// meets the device before it reaches `aim`: `from` itself when it starts inside a lens,
// else the first point of the outline on the way. None when the way to the aim is clear.
std::optional<Vec2> firstMeetingBeforeAim(const BenchFrame& bench, bool mirror, Vec2 from,
                                          Vec2 aim);
