// SPDX-License-Identifier: MIT
#pragma once

#include "canvas/canvas.h"
#include "controls/controls.h"
#include "platform/random.h"
#include "practice/on_screen_tool.h"
#include "practice/practice_page.h"

// A page whose exercise is measured with the window's one on-screen tool: a figure drawn
// about the picture's centre from a generated exercise.
class ToolPage : public PracticePage {
  protected:
    ToolPage(const Picture& picture, const Point& figureCentre, OnScreenTool& tool,
             RandomSource& random)
        : picture_(picture), figureCentre_(figureCentre), tool_(tool), random_(random) {}

    Canvas& canvas() const { return *picture_.canvas; }

    const Picture& picture_;
    const Point& figureCentre_;
    OnScreenTool& tool_;
    RandomSource& random_;
};
