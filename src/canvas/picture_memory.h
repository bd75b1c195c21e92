// SPDX-License-Identifier: MIT
#pragma once

// Pictures come and go in large buffers (a copy selection makes one as large as it is). By
// default the C library learns from such a buffer being freed to keep the next ones, however
// large, in its heap, which then never shrinks, so a long lesson's memory climbs in steps.
// Called once at start, this fixes the size from which a buffer is kept apart, handed back
// to the system the moment it is freed: above the bench's own pictures, which are made and
// freed at every redraw and are cheaper reused from the heap. Elsewhere it does nothing.
void handFreedPicturesBack();
