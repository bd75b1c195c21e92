// SPDX-License-Identifier: MIT
#pragma once

#include "controls/controls.h"
#include "practice/ruler_exercise.h"
#include "practice/tool_page.h"

// "&Ruler": two points, two wavefronts or a point and a line a generated length apart,
// measured with the on-screen ruler. The first release fixes its zero end, the second its
// direction, the third lets it follow the mouse again.
class RulerPage : public ToolPage {
  public:
    static constexpr int kToolStates = 3;

    RulerPage(const Picture& picture, const Point& figureCentre, OnScreenTool& tool,
              RandomSource& random, const RadioButton& wavefronts, const RadioButton& pointAndLine,
              Label& distanceLabel);

    RulerExercise exercise;

    void generate() override;
    void draw() override;
    void pictureMouseMove(Point mouse) override;
    bool turnsTheRuler() const override { return true; }
    int toolStates() const override { return kToolStates; }
    Verdict check() const override;

    // Moves and turns the ruler with the mouse and shows the distance from its zero end,
    // without drawing it.
    void moveRuler(Point mouse);

  private:
    const RadioButton& wavefronts_;
    const RadioButton& pointAndLine_;
    Label& distanceLabel_;

    RulerFigure chosenFigure() const;
};
