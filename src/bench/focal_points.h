// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "bench/bench_state.h"
#include "bench/optics.h"
#include "canvas/canvas.h"

// The device's focal points on its principal axis (the row benchMidY of the device frame),
// as "Show Focal Points" marks them.
//
// A lens has two, from the thick-lens lensmaker's equation with the index its rays are
// traced with (the one the "Glass" slider shows) in surroundings of the "Air" index,
// measured from its principal planes: the back focal point, where rays that arrive
// parallel to the axis cross it (or, for a diverging lens, seem to come from), and the
// front one, from where rays leave parallel. A curved mirror has one, half its radius from
// its vertex: in front of a concave mirror, behind a convex one. A device without power
// (plane on both sides, a plane mirror, glass as dense as its surroundings) has none.
std::vector<Vec2> focalPoints(const BenchFrame& bench, bool mirror);

// The focal points as bench pixels, only those that land on a picture of this size.
std::vector<Point> focalMarks(const BenchFrame& bench, bool mirror, int pictureWidth,
                              int pictureHeight);
