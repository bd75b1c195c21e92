// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <optional>

#include "canvas/canvas.h"

// A pointer on a picture that keys move in place of the mouse, so that a measuring tool can
// be used without one. It stays on the picture.
class KeyPointer {
  public:
    // Puts the pointer at `point`.
    Point startAt(Point point, int pictureWidth, int pictureHeight) {
        at_ = onPicture(point, pictureWidth, pictureHeight);
        return *at_;
    }
    // Moves it by (dx, dy), first putting it at `start` if it has not been placed yet.
    Point moveBy(int dx, int dy, Point start, int pictureWidth, int pictureHeight) {
        const Point from = at_.value_or(start);
        return startAt({from.x + dx, from.y + dy}, pictureWidth, pictureHeight);
    }
    // Where it is, placing it at `start` first if need be.
    Point position(Point start, int pictureWidth, int pictureHeight) {
        return at_ ? *at_ : startAt(start, pictureWidth, pictureHeight);
    }
    std::optional<Point> placed() const { return at_; }

  private:
    static Point onPicture(Point p, int width, int height) {
        return {std::clamp(p.x, 0, std::max(0, width - 1)),
                std::clamp(p.y, 0, std::max(0, height - 1))};
    }

    std::optional<Point> at_;
};
