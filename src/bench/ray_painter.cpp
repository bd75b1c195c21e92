// SPDX-License-Identifier: MIT
#include "bench/ray_painter.h"

#include "controls/translation.h"

namespace {

void line(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

void paintStroke(Canvas& canvas, const PaintedStroke& stroke) {
    canvas.pen = stroke.pen;
    if (stroke.kind == StrokeKind::Note) {
        canvas.textOut(stroke.from.x, stroke.from.y, internallyReflectedNote());
        return;
    }
    line(canvas, stroke.from, stroke.to);
}

// A source's strokes depend on nothing beneath them and set their own pens; the text of an
// internal reflection is written on the pass's own brush and in its font.
void paintSource(Canvas& canvas, const SourcePicture& source) {
    canvas.brush = Brush{};
    canvas.font = Font{};
    for (const PaintedStroke& stroke : source.strokes) {
        paintStroke(canvas, stroke);
    }
}

// A focal point: a small cross on the axis, and the letter F above it.
constexpr int kFocalCrossArm = 3;
constexpr int kFocalLetterSize = 12;

void paintFocalMark(Canvas& canvas, Point focus) {
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
    line(canvas, {focus.x - kFocalCrossArm, focus.y - kFocalCrossArm},
         {focus.x + kFocalCrossArm + 1, focus.y + kFocalCrossArm + 1});
    line(canvas, {focus.x - kFocalCrossArm, focus.y + kFocalCrossArm},
         {focus.x + kFocalCrossArm + 1, focus.y - kFocalCrossArm - 1});
    //: The letter beside a focal point; school books in most languages keep F.
    canvas.textOut(focus.x - kFocalCrossArm, focus.y - kFocalCrossArm - kFocalLetterSize - 2,
                   text::translate("Readouts", "F", "focal point"));
}

}  // namespace

SourcePicture sourcePicture(const BenchFrame& frame, const std::vector<RayPath>& rays) {
    SourcePicture picture;
    for (const RayPath& ray : rays) {
        for (const Stroke& stroke : ray.strokes) {
            picture.strokes.push_back({stroke.kind, benchPixel(frame, stroke.from),
                                       benchPixel(frame, stroke.to), stroke.pen});
        }
        picture.penAfter = ray.penAfter;
    }
    return picture;
}

void paintTrace(Canvas& bench, const Canvas& devicePicture, const BenchTrace& trace) {
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

    for (std::size_t i = 0; i < trace.sources.size(); ++i) {
        const SourcePicture& source = *trace.sources[i];
        if (source.strokes.empty()) {
            continue;
        }
        if (source.keptAs) {
            const FigureKey key{
                FigureKind::Rays, {static_cast<int>(i) + 1, 0}, 0.0, *source.keptAs, Pen{}, whole};
            bench.drawFigure(key, [&source](Canvas& canvas) { paintSource(canvas, source); });
        } else {
            paintSource(bench, source);
        }
        bench.pen = source.penAfter;
    }

    if (trace.centreMarks) {
        bench.pen.color = colours::red;
        bench.brush.color = colours::red;
        for (const Rect& dot : *trace.centreMarks) {
            bench.ellipse(dot.left, dot.top, dot.right, dot.bottom);
        }
    }

    if (!trace.focalMarks.empty()) {
        // The torches after them expect the pen, brush and font the rays left.
        const Pen pen = bench.pen;
        const Brush brush = bench.brush;
        const Font font = bench.font;
        bench.brush = {colours::white, BrushStyle::Clear};
        bench.font = {{}, kFocalLetterSize, false, colours::grey};
        for (const Point& focus : trace.focalMarks) {
            paintFocalMark(bench, focus);
        }
        bench.pen = pen;
        bench.brush = brush;
        bench.font = font;
    }
}
