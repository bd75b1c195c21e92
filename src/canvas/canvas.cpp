// SPDX-License-Identifier: MIT
#include "canvas/canvas.h"

void Canvas::lineTo(int x, int y) {
    drawLine(penPos_, {x, y});
    penPos_ = {x, y};
}
