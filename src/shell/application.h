// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas_factory.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "practice/tprofrm.h"
#include "shell/treframain.h"

// The program's windows, created at start in this order and alive until it ends: the main
// window (whose creation initialises and draws the bench), then the other windows.
class Application {
  public:
    Application(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas)
        : reframain(platform, makeCanvas), Profrm(platform, random, makeCanvas) {}

    Treframain reframain;
    TProfrm Profrm;
};
