// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "canvas/canvas.h"

// How a window model gets the canvases of its pictures: QtCanvas in the program,
// RecordingCanvas or QtCanvas in tests.
using CanvasFactory = std::function<std::unique_ptr<Canvas>(int width, int height)>;
