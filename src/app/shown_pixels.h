// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

// Rows are compared in bands this high: a ray drawn across the picture changes a narrow strip
// of each band, where the one rectangle around all its pixels would be the whole picture.
inline constexpr int kChangeBandRows = 16;

// Where `after` differs from `before`: in each band of kChangeBandRows rows that holds a
// change, the smallest rectangle holding that band's changed pixels. The whole of `after`
// when the two differ in size or format, and nothing when nothing changed.
QRegion changedArea(const QImage& before, const QImage& after);

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
    QRegion take(const QImage& canvas, int scale);
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
