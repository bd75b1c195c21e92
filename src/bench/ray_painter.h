// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_path.h"
#include "canvas/canvas.h"

// What one trace pass draws on the bench picture over the device picture, in drawing order.
struct BenchTrace {
    // While a handle is held: each source's line running on far past its aim, bench pixels.
    struct HeldLine {
        Point from;
        Point to;
    };
    std::vector<HeldLine> heldLines;
    std::vector<RayPath> rays;
    // The dots on the centres of curvature, bench pixels; none while they are not shown.
    std::optional<std::vector<Rect>> centreMarks;
};

// Rebuilds the bench picture: the device picture copied whole, then the held lines, every
// ray's strokes with their own pens, and the centre marks. The canvas is left with the pen
// the last ray left, as the torches after it expect.
void paintTrace(Canvas& bench, const Canvas& devicePicture, const BenchFrame& frame,
                const BenchTrace& trace);
