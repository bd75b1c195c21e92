// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "controls/controls.h"
#include "platform/random.h"
#include "practice/practice_page.h"
#include "practice/ruler_page.h"

// The grey target the student's ray has to cover.
struct RayMovementExercise {
    double exerciseAngle = 0;   // radians, the ray rising to the left of the line
    double exerciseLength = 0;  // the y where the ray meets the line, picture coordinates
    int targetLineX = 0;        // picture coordinates
};

// "&Ray Movement": four handles on the picture place a red ray from a torch to an interface
// line, and the student drags them until the ray lies on a grey target. Four kinds of
// exercise follow one another with Next, each calling for other handles.
class RayMovementPage : public PracticePage {
  public:
    static constexpr int kBeforeFirstSubExercise = -1;
    static constexpr int kTurnTheRay = 0;
    // The ray starts parallel to the target: only its height differs.
    static constexpr int kShiftTheRay = 1;
    // The target's interface line moves too.
    static constexpr int kMoveEverything = 3;

    struct Handles {
        Shape& line;       // csh: on the interface line
        Shape& midpoint;   // msh
        Shape& hitPoint;   // lsh: where the ray meets the line
        Shape& direction;  // dsh: the torch's end of the ray
    };

    RayMovementPage(const Picture& picture, Handles handles, Label& hintLine, RandomSource& random);

    RayMovementExercise exercise;
    int subExercise = 0;
    bool handleHeld = false;  // a mouse button is held on one of the handles

    void enter() override { reset(); }
    void generate() override;
    void draw() override;
    void pictureMouseMove(Point mouse) override;
    // The ruler is not drawn here, but the picture still turns it, so that a later Check on
    // the ruler page judges the distance left from this page.
    bool turnsTheRuler() const override { return true; }
    int toolStates() const override { return RulerPage::kToolStates; }
    Verdict check() const override;
    Cursor pictureCursor() const override { return Cursor::Arrow; }
    bool showsHandles() const override { return true; }

    void startSubExercisesOver() { subExercise = kBeforeFirstSubExercise; }
    // Puts the four handles back where each exercise starts them, without drawing.
    void resetHandles();
    void holdHandle() { handleHeld = true; }
    void releaseHandle() { handleHeld = false; }
    // The direction or hit-point handle under the mouse, `by` its move relative to the
    // handle: shows its hint and, while held, drags it. True when the handles moved.
    bool moveRayEnd(Shape& handle, Point by);
    // The same for the midpoint or line handle, which carry the others along.
    bool moveCarryingHandle(Shape& handle, Point by);

    // A handle as assistive technology names it, and its hint.
    std::string nameOf(const Shape& handle) const;
    std::string hintOf(const Shape& handle) const;
    // The way the torch shines, from its end of the ray towards the hit point.
    double rayDirection() const;

  private:
    const Picture& picture_;
    Handles handles_;
    Label& hintLine_;
    RandomSource& random_;

    Canvas& canvas() const { return *picture_.canvas; }
    void reset();
    int resetHitPointLeft() const;
    void placeMidpoint();
    void drawTarget();
    void drawTorch();
};
