// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "canvas/canvas.h"

enum class DrawOp { Line, Ellipse, Rectangle, Polygon, Arc, Text, FloodFill, CopyRect };

// One operation with its integer arguments and the pen, brush and font current at the time.
// args: Line x1 y1 x2 y2; Ellipse and Rectangle left top right bottom; Arc the eight
// arguments; Text and FloodFill x y (FloodFill adds the border colour); CopyRect the
// destination rectangle then the source rectangle. Polygon keeps its corners in points.
struct DrawCall {
    DrawOp op = DrawOp::Line;
    std::vector<int> args;
    std::vector<Point> points;
    std::string text;
    Pen pen;
    Brush brush;
    Font font;
};

// A canvas that draws nothing and remembers every operation, so that a test of geometry
// can say "the emergent ray runs from (412, 163) to (1180, 402)".
class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(int width = 0, int height = 0) : width_(width), height_(height) {}

    std::vector<DrawCall> calls;

    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void polygon(std::span<const Point> points) override;
    void arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
             int endY) override;
    void textOut(int x, int y, const std::string& text) override;
    void floodFill(int x, int y, TColor border) override;
    void copyRect(const Rect& destRect, const Canvas& source, const Rect& sourceRect) override;

    TColor pixel(int x, int y) const override;
    int width() const override { return width_; }
    int height() const override { return height_; }
    void resize(int width, int height) override;

    // The recorded operations of one kind, in drawing order.
    std::vector<DrawCall> callsOf(DrawOp op) const;
    // The recorded lines drawn with a pen of this colour.
    std::vector<DrawCall> linesIn(TColor colour) const;
    void clear() { calls.clear(); }

  protected:
    void drawLine(Point from, Point to) override;

  private:
    DrawCall record(DrawOp op, std::vector<int> args) const;
    int width_;
    int height_;
};
