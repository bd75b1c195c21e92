// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>

// The part of a picture where `after` differs from `before`, as the smallest rectangle
// holding every changed pixel; the whole of `after` when the two differ in size or format,
// and an empty rectangle when nothing changed.
QRect changedArea(const QImage& before, const QImage& after);

// Copies `area` of `from` into `to`, which is `scale` times as large: each pixel becomes a
// `scale` x `scale` block, with no blending between pixels.
void copyScaled(const QImage& from, const QRect& area, int scale, QImage& to);

// The pixels a picture widget shows, kept apart from its canvas so that a repaint copies only
// what changed, and so that a high-density screen gets each picture pixel as a whole block
// (an image already at the screen's scale is drawn without any transform).
class ShownPixels {
  public:
    // Takes over what changed on the canvas since the last time, at `scale` screen pixels a
    // picture pixel, and returns where, in picture pixels (empty when nothing did).
    QRect take(const QImage& canvas, int scale);
    // What the widget draws, `scale` times the picture's size, its device pixel ratio set to
    // match.
    const QImage& shown() const { return scale_ > 1 ? scaled_ : picture_; }
    int scale() const { return scale_; }

  private:
    QImage picture_;
    QImage scaled_;
    int scale_ = 0;
    // The canvas image's key when last taken: it changes whenever the canvas writes to it.
    qint64 takenKey_ = 0;
};
