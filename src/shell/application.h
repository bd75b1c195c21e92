// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas_factory.h"
#include "output/twhoami.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "practice/tprofrm.h"
#include "shell/treframain.h"

// The program's windows, created at start in this order and alive until it ends: the main
// window (whose creation initialises and draws the bench), then the other windows.
class Application {
  public:
    Application(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas)
        : reframain(platform, makeCanvas), Profrm(platform, random, makeCanvas) {
        // The main window prints the name typed into the user-name dialog. The dialog is
        // created after it and, being a later member, is destroyed before it; no handler
        // runs while the windows are taken down, so the pointer is never read dangling.
        reframain.userNameBox = &Whoami.Iam;
    }

    Treframain reframain;
    TProfrm Profrm;
    TWhoami Whoami;
};
