// SPDX-License-Identifier: MIT
#include "canvas/figure_stamps.h"

#include <algorithm>
#include <cassert>

namespace {

// Enough for the torches of the most sources the bench shows and the practice window's one,
// with room for the figure being dragged.
constexpr std::size_t kRecentFigures = 8;

}  // namespace

Stamp Stamp::ofAgreement(const QImage& overFirst, const QImage& overSecond, const Rect& box) {
    Stamp stamp;
    for (int y = box.top; y < box.bottom; ++y) {
        const auto* first = reinterpret_cast<const QRgb*>(overFirst.constScanLine(y - box.top));
        const auto* second = reinterpret_cast<const QRgb*>(overSecond.constScanLine(y));
        int x = box.left;
        while (x < box.right) {
            if (first[x - box.left] != second[x]) {
                ++x;
                continue;
            }
            const int start = x;
            Run run{static_cast<std::size_t>(y) * static_cast<std::size_t>(overSecond.width()) +
                        static_cast<std::size_t>(x),
                    0};
            while (x < box.right && first[x - box.left] == second[x]) {
                stamp.colours_.push_back(second[x]);
                ++x;
            }
            run.length = x - start;
            stamp.runs_.push_back(run);
        }
    }
    return stamp;
}

void Stamp::applyTo(QImage& image) const {
    assert(image.bytesPerLine() == image.width() * static_cast<qsizetype>(sizeof(QRgb)));
    auto* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const QRgb* colour = colours_.data();
    for (const Run& run : runs_) {
        QRgb* to = pixels + run.offset;
        for (int i = 0; i < run.length; ++i) {
            to[i] = *colour++;
        }
    }
}

FigureStamps::Entry* FigureStamps::find(const FigureKey& key) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&key](const Entry& entry) { return entry.key == key; });
    if (found == entries_.end()) {
        return nullptr;
    }
    std::rotate(entries_.begin(), found, found + 1);
    return &entries_.front();
}

void FigureStamps::remember(const FigureKey& key) {
    if (entries_.size() == kRecentFigures) {
        entries_.pop_back();
    }
    entries_.insert(entries_.begin(), Entry{key, std::nullopt});
}
