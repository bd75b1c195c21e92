// SPDX-License-Identifier: MIT
#include "bench/ray_painter.h"

namespace {

void line(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

void paintStroke(Canvas& canvas, const BenchFrame& frame, const Stroke& stroke) {
    canvas.pen = stroke.pen;
    const Point from = benchPixel(frame, stroke.from);
    if (stroke.kind == StrokeKind::Note) {
        canvas.textOut(from.x, from.y, kInternallyReflected);
        return;
    }
    line(canvas, from, benchPixel(frame, stroke.to));
}

}  // namespace

void paintTrace(Canvas& bench, const Canvas& devicePicture, const BenchFrame& frame,
                const BenchTrace& trace) {
    const Rect whole{0, 0, bench.width(), bench.height()};
    bench.copyRect(whole, devicePicture, whole);
    bench.pen = Pen{};
    bench.brush = Brush{};
    bench.font = Font{};

    bench.pen.style = PenStyle::Dot;
    for (const BenchTrace::HeldLine& held : trace.heldLines) {
        line(bench, held.from, held.to);
    }
    bench.pen.style = PenStyle::Solid;

    for (const RayPath& ray : trace.rays) {
        for (const Stroke& stroke : ray.strokes) {
            paintStroke(bench, frame, stroke);
        }
        bench.pen = ray.penAfter;
    }

    if (trace.centreMarks) {
        bench.pen.color = colours::red;
        bench.brush.color = colours::red;
        for (const Rect& dot : *trace.centreMarks) {
            bench.ellipse(dot.left, dot.top, dot.right, dot.bottom);
        }
    }
}
