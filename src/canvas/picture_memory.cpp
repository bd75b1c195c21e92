// SPDX-License-Identifier: MIT
#include "canvas/picture_memory.h"

// Any header of the C library says whether it is glibc.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The C library's own starting threshold: a 128 x 256 picture's pixels, far below a bench.
constexpr int kOwnBufferThreshold = 128 * 1024;

}  // namespace

void handFreedPicturesBack() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kOwnBufferThreshold);
#endif
}
