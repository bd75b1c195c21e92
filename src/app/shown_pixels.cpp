// SPDX-License-Identifier: MIT
#include "app/shown_pixels.h"

#include <algorithm>
#include <cstring>

namespace {

// Both images are 32 bits a pixel (the canvases draw in Format_RGB32).
constexpr int kBytesPerPixel = 4;

bool rowsDiffer(const QImage& a, const QImage& b, int y) {
    return std::memcmp(a.constScanLine(y), b.constScanLine(y),
                       static_cast<std::size_t>(a.width()) * kBytesPerPixel) != 0;
}

// Widens [left, right] to every pixel of row `y` that differs, looking only outside it.
void widenToChangesInRow(const QImage& a, const QImage& b, int y, int& left, int& right) {
    const auto* rowA = reinterpret_cast<const quint32*>(a.constScanLine(y));
    const auto* rowB = reinterpret_cast<const quint32*>(b.constScanLine(y));
    for (int x = 0; x < left; ++x) {
        if (rowA[x] != rowB[x]) {
            left = x;
            break;
        }
    }
    for (int x = a.width() - 1; x > right; --x) {
        if (rowA[x] != rowB[x]) {
            right = x;
            break;
        }
    }
}

}  // namespace

QRect changedArea(const QImage& before, const QImage& after) {
    if (before.size() != after.size() || before.format() != after.format() ||
        after.depth() != kBytesPerPixel * 8) {
        return after.rect();
    }
    int top = -1;
    int bottom = -1;
    int left = after.width();
    int right = -1;
    for (int y = 0; y < after.height(); ++y) {
        if (rowsDiffer(before, after, y)) {
            top = top < 0 ? y : top;
            bottom = y;
            widenToChangesInRow(before, after, y, left, right);
        }
    }
    if (top < 0) {
        return {};
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
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
        auto* first = reinterpret_cast<quint32*>(to.scanLine(y * scale)) + inside.left() * scale;
        quint32* out = first;
        for (int x = inside.left(); x <= inside.right(); ++x) {
            out = std::fill_n(out, scale, source[x]);
        }
        for (int copy = 1; copy < scale; ++copy) {
            std::memcpy(to.scanLine(y * scale + copy) + inside.left() * scale * kBytesPerPixel,
                        first, scaledRowBytes);
        }
    }
}

QRect ShownPixels::take(const QImage& canvas, int scale) {
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
    QRect changed;
    if (fresh) {
        // A deep copy: sharing the canvas's buffer would make its next write copy it whole.
        picture_ = canvas.copy();
        scale_ = scale;
        scaled_ = scale > 1 ? QImage(canvas.size() * scale, canvas.format()) : QImage();
        scaled_.setDevicePixelRatio(scale);
        changed = canvas.rect();
    } else {
        changed = changedArea(picture_, canvas);
        for (int y = changed.top(); y <= changed.bottom(); ++y) {
            std::memcpy(picture_.scanLine(y) + changed.left() * kBytesPerPixel,
                        canvas.constScanLine(y) + changed.left() * kBytesPerPixel,
                        static_cast<std::size_t>(changed.width()) * kBytesPerPixel);
        }
    }
    if (scale > 1) {
        copyScaled(picture_, changed, scale, scaled_);
    }
    return changed;
}
