// SPDX-License-Identifier: MIT
#include "canvas/pixel.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(TruncPixel, truncatesTowardZeroAndHoldsFarValuesAtTheLimit) {
    EXPECT_EQ(truncPixel(2.9), 2);
    EXPECT_EQ(truncPixel(-2.9), -2);
    EXPECT_EQ(truncPixel(-0.5), 0);
    EXPECT_EQ(truncPixel(1e12), 10'000'000);
    EXPECT_EQ(truncPixel(-1e12), -10'000'000);
}

#ifdef NDEBUG
TEST(TruncPixel, aNaNIsCountedAndDrawnAtADefinedPlace) {
    const int before = refusedPixelValues();
    EXPECT_EQ(truncPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncPixel(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(refusedPixelValues(), before + 2);
    refusedPixelValues() = before;
}
#else
TEST(TruncPixelDeathTest, aNaNStopsADebugBuild) {
    EXPECT_DEATH(truncPixel(std::numeric_limits<double>::quiet_NaN()), "isfinite");
}
#endif

}  // namespace
