// SPDX-License-Identifier: MIT
#pragma once

// Pictures come and go in large buffers (a copy selection makes one as large as it is). By
// default the C library learns from such a buffer being freed to keep the next ones in its
// heap, which then never shrinks, so a long lesson's memory climbs in steps. Called once at
// start, before any picture is made, this keeps every buffer of a picture's size or more
// apart, handed back to the system the moment it is freed. Elsewhere it does nothing.
void handFreedPicturesBack();
