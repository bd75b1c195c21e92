// SPDX-License-Identifier: MIT
#pragma once

#include "controls/controls.h"
#include "practice/protractor_exercise.h"
#include "practice/tool_page.h"

// Which end of the protractor's scale the student counts from. The two radio buttons
// that choose it carry these numbers in their Tags.
enum class AngleReading { FromZeroEnd = 1, FromOtherEnd = 2 };

// "&Protractor": two lines, or a ray and a normal, at a generated angle, measured with the
// on-screen protractor. Three releases place it: the centre, the baseline, then the pointer
// freezes; the next release lets it follow the mouse again.
class ProtractorPage : public ToolPage {
  public:
    // With the second measuring method, the one the window uses, the tool freezes in
    // state 3; the first would freeze it in state 2, straight after the baseline.
    static constexpr int kMethodTwoLastState = 3;
    static constexpr int kMethodOneLastState = 2;
    static constexpr int kPointerFollowsMouse = 2;

    ProtractorPage(const Picture& picture, const Point& figureCentre, OnScreenTool& tool,
                   RandomSource& random, const RadioButton& betweenTwoLines,
                   RadioButton& fromZeroEnd, RadioButton& fromOtherEnd);

    ProtractorExercise exercise;
    AngleReading chosenReading = AngleReading::FromZeroEnd;
    int lastToolState = kMethodTwoLastState;
    double supplementReading = 0;  // degrees from the 180° end

    void generate() override;
    void draw() override;
    void pictureMouseMove(Point mouse) override;
    int toolStates() const override { return lastToolState + 1; }
    Verdict check() const override;

  private:
    const RadioButton& betweenTwoLines_;
    RadioButton& fromZeroEnd_;
    RadioButton& fromOtherEnd_;

    void placeProtractor(Point mouse);
    void readPointer(Point mouse);
};
