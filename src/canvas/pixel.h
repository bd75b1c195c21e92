// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <cmath>

// Every real-to-pixel conversion truncates toward zero. A value that is not finite, or
// too large for any picture, is a fault in the geometry that produced it: debug builds stop
// on it; release builds draw it at a defined place instead of invoking undefined behaviour.
inline constexpr double kPixelLimit = 1.0e7;

inline int truncPixel(double value) {
    assert(std::isfinite(value) && std::fabs(value) < kPixelLimit);
    if (!std::isfinite(value)) {
        return 0;
    }
    if (value >= kPixelLimit) {
        return static_cast<int>(kPixelLimit);
    }
    if (value <= -kPixelLimit) {
        return -static_cast<int>(kPixelLimit);
    }
    return static_cast<int>(value);
}
