// SPDX-License-Identifier: MIT
#include "controls/key_pointer.h"

#include <gtest/gtest.h>

namespace {

TEST(KeyPointer, startsWhereItIsToldAndStaysOnThePicture) {
    KeyPointer pointer;
    EXPECT_FALSE(pointer.placed());
    // Not yet placed, a move starts from the given point.
    EXPECT_EQ(pointer.moveBy(10, -1, {100, 50}, 769, 344).x, 110);
    EXPECT_EQ(pointer.placed()->y, 49);
    EXPECT_EQ(pointer.moveBy(-10, 0, {0, 0}, 769, 344).x, 100);
    // Past an edge it stops on the last pixel.
    EXPECT_EQ(pointer.moveBy(10000, 10000, {0, 0}, 769, 344).x, 768);
    EXPECT_EQ(pointer.placed()->y, 343);
    EXPECT_EQ(pointer.startAt({-5, -5}, 769, 344).x, 0);
    // A picture without pixels holds it at its corner.
    EXPECT_EQ(pointer.startAt({20, 20}, 0, 0).x, 0);
    EXPECT_EQ(pointer.position({7, 7}, 0, 0).y, 0);
}

}  // namespace
