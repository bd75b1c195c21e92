// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "canvas/colours.h"

enum class PenStyle { Solid, Dot, Dash };

struct Pen {
    TColor color = colours::black;
    int width = 1;  // 1 to 3
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Clear };

struct Brush {
    TColor color = colours::white;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

// An empty family means the platform's default interface font.
struct Font {
    std::string family;
    int pixelSize = 13;
    bool bold = false;
    TColor color = colours::black;
    bool operator==(const Font&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// Left and top inside, right and bottom outside, as every raster operation here uses them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

// The figures that drawing code hands over whole, so that a canvas may keep their pixels.
enum class FigureKind { Torch, Rays };

// Everything that decides a figure's pixels besides the canvas's size: which figure, where,
// turned how far, the figure's own choices (look, colours) packed in `variant`, the pen it
// starts with, and a box it never draws outside.
struct FigureKey {
    FigureKind kind = FigureKind::Torch;
    Point anchor;
    double angle = 0.0;
    std::uint64_t variant = 0;
    Pen pen;
    Rect bounds;
    bool operator==(const FigureKey&) const = default;
};

class Canvas;
using FigureDrawing = std::function<void(Canvas&)>;

// The raster surface every picture is drawn on, with the classic device operations the
// drawing code was written against. The current pen, brush and font are plain state that
// the drawing code sets before each operation; the current position moves with moveTo
// and lineTo.
//
// Conventions every implementation keeps:
// - lineTo leaves out the end pixel of the line, so a polyline has no doubled pixels;
// - ellipse and rectangle fill the box left..right-1, top..bottom-1 with the brush and
//   outline it with the pen;
// - arc runs counter-clockwise on the screen from the radial through (startX, startY) to
//   the radial through (endX, endY);
// - textOut puts the text's top-left corner at (x, y), on a background of the brush colour
//   when the brush is solid;
// - floodFill paints with the brush colour every pixel reachable from (x, y) that is not
//   of the border colour.
class Canvas {
  public:
    virtual ~Canvas() = default;
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    Pen pen;
    Brush brush;
    Font font;

    Point penPos() const { return penPos_; }
    void moveTo(int x, int y) { penPos_ = {x, y}; }
    void lineTo(int x, int y);

    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void polygon(std::span<const Point> points) = 0;
    virtual void arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                     int endY) = 0;
    virtual void textOut(int x, int y, const std::string& text) = 0;
    virtual void floodFill(int x, int y, TColor border) = 0;
    // Copies source's pixels in sourceRect onto this canvas at destRect (same size: 1:1).
    virtual void copyRect(const Rect& destRect, const Canvas& source, const Rect& sourceRect) = 0;

    // Draws a figure with `draw`, which must depend on nothing but `key` and the canvas's
    // size and must write its own colours whatever lies beneath (no flood fill, no copy): a
    // canvas may then put back the pixels the figure wrote before instead of drawing it
    // again. The pen, brush, font and position are left as they were.
    virtual void drawFigure(const FigureKey& key, const FigureDrawing& draw);

    // Pixels outside the canvas read as black.
    virtual TColor pixel(int x, int y) const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // New pixels are white; the old picture is kept where it still fits.
    virtual void resize(int width, int height) = 0;

  protected:
    virtual void drawLine(Point from, Point to) = 0;

  private:
    Point penPos_;
};
