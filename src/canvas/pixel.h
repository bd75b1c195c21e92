// SPDX-License-Identifier: MIT
#pragma once

#include <cassert>
#include <cmath>

// Every real-to-pixel conversion truncates toward zero. A value that is not finite is a
// fault in the geometry that produced it: debug builds stop on it; release builds count it
// and draw it at a defined place instead of invoking undefined behaviour. Values beyond any
// picture (a ray running nearly along a face reaches it far away) are legitimate and are
// held at a distance every canvas clips cheaply.
inline constexpr double kPixelLimit = 1.0e7;

// How many non-finite values reached a pixel conversion in this run; tests of random use
// check that it stays zero in every build.
inline int& refusedPixelValues() {
    static int count = 0;
    return count;
}

inline int truncPixel(double value) {
    assert(std::isfinite(value));
    if (!std::isfinite(value)) {
        ++refusedPixelValues();
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
