// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_path.h"
#include "canvas/canvas.h"

// A stroke as it lands on the bench picture: bench pixels and the pen.
struct PaintedStroke {
    StrokeKind kind = StrokeKind::Incident;
    Point from;
    Point to;
    Pen pen;
    bool operator==(const PaintedStroke&) const = default;
};

// The rays of one source as the bench picture shows them, in drawing order.
struct SourcePicture {
    std::vector<PaintedStroke> strokes;
    // The pen the source's last ray leaves behind.
    Pen penAfter;
    // The number under which the canvas may keep these pixels, when they are the same as in
    // an earlier pass (the sources not being dragged); none while they are new.
    std::optional<std::uint64_t> keptAs;
};

// The rays of one source as their strokes land on the bench picture.
SourcePicture sourcePicture(const BenchFrame& frame, const std::vector<RayPath>& rays);

// What one trace pass draws on the bench picture over the device picture, in drawing order.
struct BenchTrace {
    // While a handle is held: each source's line running on far past its aim, bench pixels.
    struct HeldLine {
        Point from;
        Point to;
    };
    std::vector<HeldLine> heldLines;
    std::vector<const SourcePicture*> sources;
    // The dots on the centres of curvature, bench pixels; none while they are not shown.
    std::optional<std::vector<Rect>> centreMarks;
    // The device's focal points, bench pixels: each marked with a small cross and the
    // letter F in the axis colour. Empty while they are not shown.
    std::vector<Point> focalMarks;
};

// Rebuilds the bench picture: the device picture copied whole, then the held lines, every
// source's strokes with their own pens (a source kept from an earlier pass as a figure the
// canvas may put back), the centre marks and the focal points. The canvas is left with the pen the
// last ray left, as the torches after it expect.
void paintTrace(Canvas& bench, const Canvas& devicePicture, const BenchTrace& trace);
