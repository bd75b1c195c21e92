// SPDX-License-Identifier: MIT
#include "canvas/picture_memory.h"

// Any header of the C library says whether it is glibc.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Above a bench picture's pixels (770 x 495, 1.5 MiB), so that the pictures a redraw makes
// and frees again come from the heap and cost no fresh pages; a copy selection larger than
// about 1000 x 1000 gets a buffer of its own, given back when it is freed.
constexpr int kOwnBufferThreshold = 4 * 1024 * 1024;

}  // namespace

void handFreedPicturesBack() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kOwnBufferThreshold);
#endif
}
