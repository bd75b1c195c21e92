// SPDX-License-Identifier: MIT
#include "app/shown_pixels.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

// Both images are 32 bits a pixel (the canvases draw in Format_RGB32).
constexpr int kBytesPerPixel = 4;

bool rowsDiffer(const QImage& a, const QImage& b, int y) {
    return std::memcmp(a.constScanLine(y), b.constScanLine(y),
                       static_cast<std::size_t>(a.width()) * kBytesPerPixel) != 0;
}

bool spansDiffer(const quint32* a, const quint32* b, int from, int to) {
    return from < to && std::memcmp(a + from, b + from,
                                    static_cast<std::size_t>(to - from) * kBytesPerPixel) != 0;
}

// Widens [left, right] to every pixel of row `y` that differs, looking only outside it; the
// parts outside are compared whole first, as they mostly hold no change.
void widenToChangesInRow(const QImage& a, const QImage& b, int y, int& left, int& right) {
    const auto* rowA = reinterpret_cast<const quint32*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const quint32*>(b.constScanLine(y));
    if (spansDiffer(rowA, rowB, 0, left)) {
        for (int x = 0; x < left; ++x) {
            if (rowA[x] != rowB[x]) {
                left = x;
                break;
            }
        }
    }
    if (spansDiffer(rowA, rowB, right + 1, a.width())) {
        for (int x = a.width() - 1; x > right; --x) {
            if (rowA[x] != rowB[x]) {
                right = x;
                break;
            }
        }
    }
}

// Copies `part` of one picture into the same place of another of the same size and format.
void copyPart(const QImage& from, const QRect& part, QImage& to) {
    const std::size_t rowBytes = static_cast<std::size_t>(part.width()) * kBytesPerPixel;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto offset = static_cast<std::ptrdiff_t>(part.left()) * kBytesPerPixel;
        std::memcpy(to.scanLine(y) + offset, from.constScanLine(y) + offset, rowBytes);
    }
}

// One row of `count` pixels, each written twice: the common scale of 2, in whole 64-bit
// stores.
void doubleRow(const quint32* source, int count, quint32* out) {
    for (int x = 0; x < count; ++x) {
        const quint64 pixel = source[x];
        const quint64 twice = pixel | pixel << 32;
        std::memcpy(out + static_cast<std::ptrdiff_t>(2) * x, &twice, sizeof twice);
    }
}

}  // namespace

QRegion changedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() ||
        after.depth() != kBytesPerPixel * 8) {
        return after.rect();
    }
    QRegion changed;
    for (int bandTop = 0; bandTop < after.height(); bandTop += kChangeBandRows) {
        const int bandEnd = std::min(bandTop + kChangeBandRows, after.height());
        int top = -1;
        int bottom = -1;
        int left = after.width();
        int right = -1;
        for (int y = bandTop; y < bandEnd; ++y) {
            if (rowsDiffer(before, after, y)) {
                top = top < 0 ? y : top;
                bottom = y;
                widenToChangesInRow(before, after, y, left, right);
            }
        }
        if (top >= 0) {
            changed += QRect(QPoint(left, top), QPoint(right, bottom));
        }
    }
    return changed;
}

void copyScaled(const QImage& from, const QRect& area, int scale, QImage& to) {
    const QRect inside = area & from.rect();
    if (inside.isEmpty() || scale < 1 || to.size() != from.size() * scale) {
        return;
    }
    const std::size_t scaledRowBytes =
        static_cast<std::size_t>(inside.width()) * scale * kBytesPerPixel;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* source = reinterpret_cast<const quint32*>(from.constScanLine(y));
        auto* first = reinterpret_cast<quint32*>(to.scanLine(y * scale)) +
                      static_cast<std::ptrdiff_t>(inside.left()) * scale;
        if (scale == 2) {
            doubleRow(source + inside.left(), inside.width(), first);
        } else {
            quint32* out = first;
            for (int x = inside.left(); x <= inside.right(); ++x) {
                out = std::fill_n(out, scale, source[x]);
            }
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(to.scanLine(y * scale + copy) +
                            static_cast<std::ptrdiff_t>(inside.left()) * scale * kBytesPerPixel,
                        first, scaledRowBytes);
        }
    }
}

QRegion ShownPixels::take(const QImage& canvas, int scale) {
    // Only 32-bit pixels are compared and scaled here; anything else is taken whole, and
    // scaled by the painter.
    const bool wholePixels = canvas.depth() == kBytesPerPixel * 8;
    scale = wholePixels ? std::max(scale, 1) : 1;
    const bool fresh = !wholePixels || scale != scale_ || canvas.size() != picture_.size() ||
                       canvas.format() != picture_.format();
    if (!fresh && canvas.cacheKey() == takenKey_) {
        return {};
    }
    takenKey_ = canvas.cacheKey();
    QRegion changed;
    if (fresh) {
        // A deep copy: sharing the canvas's buffer would make its next write copy it whole.
        picture_ = canvas.copy();
        scale_ = scale;
        scaled_ = scale > 1 ? QImage(canvas.size() * scale, canvas.format()) : QImage();
        scaled_.setDevicePixelRatio(scale);
        changed = canvas.rect();
    } else {
        changed = changedArea(picture_, canvas);
        for (const QRect& part : changed) {
            copyPart(canvas, part, picture_);
        }
    }
    if (scale > 1) {
        for (const QRect& part : changed) {
            copyScaled(picture_, part, scale, scaled_);
        }
    }
    return changed;
}
