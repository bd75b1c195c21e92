// SPDX-License-Identifier: MIT
#include "bench/device_painter.h"

#include "canvas/pixel.h"

namespace {

constexpr int kMirrorTick = 5;

// A redraw speed below one pixel would never reach the bottom row.
int outlineStep(const DeviceDrawing& drawing) {
    return drawing.redrawSpeed > 0 ? drawing.redrawSpeed : 1;
}

// The device's geometry for one repaint, in bench pixels.
struct Outline {
    const BenchFrame& bench;
    int xLeft;   // base line of the left surface
    int xRight;  // base line of the right surface
    int dy;      // the device frame's rows are drawn this far down
    int step;    // rows between the outline's vertices

    int leftSurfaceX(int y) const {
        switch (bench.surfaceKind[kLeftSide]) {
            case kConvex:
                return xLeft + surfaceOffset(bench, y, kConvex, kLeftSide);
            case kConcave:
                return xLeft - surfaceOffset(bench, y, kConcave, kLeftSide);
            default:
                return xLeft;
        }
    }
    int rightSurfaceX(int y) const {
        switch (bench.surfaceKind[kRightSide]) {
            case kConvex:
                return xRight - surfaceOffset(bench, y, kConvex, kRightSide);
            case kConcave:
                return xRight + surfaceOffset(bench, y, kConcave, kRightSide);
            default:
                return xRight;
        }
    }
    int leftmostX() const {
        switch (bench.surfaceKind[kLeftSide]) {
            case kConvex:
                return xLeft + surfaceOffset(bench, bench.benchMidY, kConvex, kLeftSide);
            case kConcave:
                return xLeft - surfaceOffset(bench, bench.apertureTop, kConcave, kLeftSide);
            default:
                return xLeft;
        }
    }
};

void paintGrid(Canvas& canvas, const BenchFrame& bench, int centreY) {
    canvas.pen.color = colours::grey;
    canvas.pen.style = PenStyle::Dot;
    const int aperture = bench.apertureBottom - bench.apertureTop;
    for (int i = -4; i <= 4; ++i) {
        const int row = centreY + (i * aperture) / 8;
        canvas.moveTo(0, row);
        canvas.lineTo(canvas.width(), row);
    }
    canvas.pen.style = PenStyle::Solid;
}

// Down the left surface. A lens's first line is the left half of its top edge; a mirror
// has no top edge, and gets a tick behind it at every step row but the last.
void paintLeftSurface(Canvas& canvas, const Outline& outline, bool mirror) {
    const BenchFrame& bench = outline.bench;
    if (mirror) {
        canvas.moveTo(outline.leftSurfaceX(bench.apertureTop), bench.apertureTop + outline.dy);
    }
    for (int y = bench.apertureTop; y < bench.apertureBottom; y += outline.step) {
        const int x = outline.leftSurfaceX(y);
        canvas.lineTo(x, y + outline.dy);
        if (mirror) {
            canvas.lineTo(x + kMirrorTick, y + outline.dy);
            canvas.lineTo(x, y + outline.dy);
        }
    }
    canvas.lineTo(outline.leftSurfaceX(bench.apertureBottom), bench.apertureBottom + outline.dy);
}

// Up the right surface, starting with the bottom edge and closing the top edge.
void paintRightSurface(Canvas& canvas, const Outline& outline, Point centre) {
    const BenchFrame& bench = outline.bench;
    for (int y = bench.apertureBottom; y > bench.apertureTop; y -= outline.step) {
        canvas.lineTo(outline.rightSurfaceX(y), y + outline.dy);
    }
    canvas.lineTo(outline.rightSurfaceX(bench.apertureTop), bench.apertureTop + outline.dy);
    canvas.lineTo(centre.x, bench.apertureTop + outline.dy);
}

}  // namespace

SchemeColours schemeColours(ColourScheme scheme, bool threeColours) {
    if (scheme == ColourScheme::BlackAndWhite) {
        return {colours::black, colours::black, colours::white, colours::white};
    }
    return {threeColours ? colours::white : colours::orange, colours::lightGrey, colours::cream,
            colours::white};
}

int paintDevice(Canvas& canvas, const BenchFrame& bench, const DeviceDrawing& drawing) {
    const double width = drawing.widthPosition * bench.zoomFactor;
    const int half = truncPixel(width / 2);
    const Point centre = drawing.deviceCentre;
    const int dy = centre.y - bench.benchMidY;
    const Outline outline{bench, centre.x - half, centre.x + half, dy, outlineStep(drawing)};

    canvas.brush = {drawing.colours.back, BrushStyle::Solid};
    canvas.pen = {drawing.colours.back, 1, PenStyle::Solid};
    canvas.rectangle(0, 0, canvas.width(), canvas.height());

    if (drawing.showGrid) {
        paintGrid(canvas, bench, centre.y);
    }

    canvas.pen.color = drawing.mirror ? colours::black : drawing.colours.outline;
    canvas.pen.width = drawing.mirror ? 2 : 1;
    canvas.brush.color = colours::white;
    canvas.moveTo(centre.x, bench.apertureTop + dy);
    const int deviceLeftX = outline.leftmostX();
    paintLeftSurface(canvas, outline, drawing.mirror);
    canvas.pen.width = 1;

    if (!drawing.mirror) {
        paintRightSurface(canvas, outline, centre);
        canvas.brush.color = drawing.colours.fill;
        canvas.floodFill(centre.x, centre.y - 2, drawing.colours.outline);
        canvas.brush.color = colours::white;
    }

    if (drawing.showAxis) {
        canvas.pen = {colours::grey, 1, PenStyle::Solid};
        canvas.moveTo(0, centre.y);
        canvas.lineTo(canvas.width(), centre.y);
    }
    return deviceLeftX;
}
