// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <cstddef>
#include <optional>
#include <vector>

#include "canvas/canvas.h"

// The pixels a figure wrote, as runs along its rows, to be put back over whatever lies there
// now, on a picture of the size it was drawn on.
class Stamp {
  public:
    // The figure drawn twice inside `box` over two backgrounds that differ at every pixel:
    // `overFirst` holds the box of the first drawing, `overSecond` the whole picture of the
    // second. A pixel that came out the same in both is the figure's own.
    static Stamp ofAgreement(const QImage& overFirst, const QImage& overSecond, const Rect& box);

    void applyTo(QImage& image) const;

  private:
    // A run's place counts pixels from the picture's first: an RGB32 image has no padding
    // between its rows, so putting a stamp back is one store a pixel. The runs' colours lie
    // one after another in `colours_`, in the runs' order.
    struct Run {
        std::size_t offset = 0;
        int length = 0;
    };
    std::vector<Run> runs_;
    std::vector<QRgb> colours_;
};

// The figures a canvas drew lately, the most recent first. A figure is first only remembered,
// and kept the second time it is drawn the same: a figure being dragged, which changes with
// every move, then costs nothing beyond its drawing.
class FigureStamps {
  public:
    struct Entry {
        FigureKey key;
        std::optional<Stamp> stamp;  // empty while the figure has been drawn only once
    };

    // The entry of the figure, moved to the front; nullptr if it is not among the recent ones.
    Entry* find(const FigureKey& key);
    // Remembers a figure drawn for the first time, forgetting the one drawn longest ago if
    // there are too many.
    void remember(const FigureKey& key);
    void clear() { entries_.clear(); }

  private:
    std::vector<Entry> entries_;
};
