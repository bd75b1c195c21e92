// SPDX-License-Identifier: MIT
#include "canvas/qt_canvas.h"
