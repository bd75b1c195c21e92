// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <memory>
#include <optional>

#include "canvas/canvas.h"
#include "canvas/figure_stamps.h"

class QPainter;
class QPen;
class QRect;
class QRectF;

// The canvas of every real picture: a QImage in Format_RGB32, antialiasing off, so that
// pixels land where the drawing code computes them. Thin lines, rectangles, flood fill and
// copies work on the image's pixels directly; curves, wide pens and text go through
// QPainter. Text needs the application object (QGuiApplication) to exist.
class QtCanvas : public Canvas {
  public:
    QtCanvas(int width, int height);
    ~QtCanvas() override;

    // The picture as drawn so far, with no painter left on it, so that a copy taken of it
    // stays as it is.
    const QImage& image() const;

    void ellipse(int left, int top, int right, int bottom) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void polygon(std::span<const Point> points) override;
    void arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
             int endY) override;
    void textOut(int x, int y, const std::string& text) override;
    void floodFill(int x, int y, TColor border) override;
    void copyRect(const Rect& destRect, const Canvas& source, const Rect& sourceRect) override;
    // A figure drawn the same a second time is kept as a stamp of the pixels it wrote, and
    // put back from it from then on.
    void drawFigure(const FigureKey& key, const FigureDrawing& draw) override;

    TColor pixel(int x, int y) const override;
    int width() const override { return image_.width(); }
    int height() const override { return image_.height(); }
    void resize(int width, int height) override;

  protected:
    void drawLine(Point from, Point to) override;

  private:
    // A one-pixel line in the pen's colour and pattern, end pixel left out.
    void plotThinLine(Point from, Point to);
    // A wider pen's line, centred on where the thin line would run.
    void strokeWideLine(Point from, Point to);
    void fillBox(const Rect& box, QRgb colour);
    // The painter of this run of drawing, unclipped, with this outline (none if empty) and
    // fill.
    QPainter& painter(const std::optional<Pen>& outline, const Brush& fill);
    // Clips the painter until the next primitive asks for it.
    void clipPainter(const QRect& box);
    void endPainting() const;
    static QPen qtPenOf(const Pen& outline);
    // Where QPainter must stroke a curve so that the pen stays inside the box.
    QRectF outlineRect(const Rect& box) const;
    int penWidth() const;
    // The figure's pixels, from drawings on a scratch picture of this one's size with this
    // canvas's pen, brush, font and position, so that they are clipped as here.
    Stamp captureFigure(const FigureKey& key, const FigureDrawing& draw);

    QImage image_;
    // One painter serves every primitive that needs one, from the first of them until the
    // picture is read through image() or resized: beginning a painter costs more than most
    // primitives. The raster engine writes each primitive's pixels before it returns, so the
    // direct pixel work in between sees and keeps them in order.
    mutable std::unique_ptr<QPainter> painter_;
    // What the painter holds now, as far as it is known.
    struct PainterTools {
        bool known = false;
        std::optional<Pen> outline;
        Brush fill;
        bool clipped = false;
    };
    PainterTools tools_;
    FigureStamps stamps_;
    std::unique_ptr<QtCanvas> scratch_;
};

// Colour conversions between the drawing code's 0x00BBGGRR and Qt's 0xAARRGGBB.
QRgb toQRgb(TColor colour);
TColor fromQRgb(QRgb rgb);
