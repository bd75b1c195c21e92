// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

#include "canvas/canvas_factory.h"
#include "controls/controls.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "practice/grade.h"

// The "Measurement Practice" window: protractor, ruler and ray-movement drills on generated
// exercises, judged by Check. The program creates it once at start and shows it modally as
// often as the user asks; everything here survives closing it.
class TProfrm {
  public:
    TProfrm(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas);

    // The window layout. Geometry is in the parent's client pixels: the picture and the
    // handles in Panel1, the notebook and the buttons in Panel2, the page controls in their
    // notebook page.
    Form form;
    Panel Panel1;
    Picture proim;  // Tag: the on-screen tool's state
    Shape csh;      // line handle
    Shape msh;      // midpoint handle
    Shape lsh;      // hit-point handle
    Shape dsh;      // direction handle
    Panel Panel2;
    Notebook practicenb;  // Tag: the page the handlers work on
    Button Checkbt;
    Button nextbt;
    Button Returnbt;
    Button resetbt;  // never shown; Tag: the Ray Movement sub-exercise, −1 before the first
    GroupBox GroupBox1;
    RadioButton m1rb;
    RadioButton m2rb;  // Tag: the last protractor tool state
    // "&Protractor" page
    Label Label1;
    RadioButton Normalrb;
    RadioButton linerb;
    GroupBox anggb;  // Tag: 1 when the answer is Ang1rb's reading, 2 for ang2rb's
    RadioButton Ang1rb;
    RadioButton ang2rb;
    // "&Ruler" page
    Label Label2;
    Label anallb;
    RadioButton pointsrb;
    RadioButton wavefrontrb;
    RadioButton pandlrb;
    // "&Ray Movement" page
    Label Label3;
    Label hintlb;

    // State shared by the three pages.
    int figureCentreX = 0;
    int figureCentreY = 0;
    double exerciseAngle = 0;
    double exerciseRotation = 0;
    double exerciseLength = 0;
    int targetLineX = 0;
    int toolOriginX = 0;
    int toolOriginY = 0;
    int toolAimX = 0;
    int toolAimY = 0;
    double toolAngle = 0;
    double savedToolAngle = 0;
    double toolReading = 0;
    double supplementReading = 0;
    bool handleHeld = false;

    // Set by the view: Return asks it to close the window.
    std::function<void()> closeRequested;

    void FormCreate();
    void FormActivate();
    // Runs before the notebook shows the new page.
    void practicenbChange(int NewTab);
    void nextbtClick();
    void CheckbtClick();
    void ReturnbtClick();
    void NormalrbClick();
    void wavefrontrbClick();
    void Ang1rbClick(Control& sender);
    void m1rbClick();
    void m2rbClick();

    // Picture coordinates.
    void proimMouseDown(MouseButton button, int X, int Y);
    void proimMouseMove(int X, int Y);
    void proimMouseUp(MouseButton button, int X, int Y);

    // Coordinates relative to the handle's own top-left corner.
    void dshMouseDown(Shape& sender, MouseButton button, int X, int Y);
    void dshMouseUp(Shape& sender, MouseButton button, int X, int Y);
    void dshMouseMove(Shape& sender, int X, int Y);  // dsh and lsh
    void mshMouseMove(Shape& sender, int X, int Y);  // msh and csh
    // The mouse-move handler the layout gives this handle.
    void handleMouseMove(Shape& sender, int X, int Y);

    // The hidden buttons: operations other handlers run.
    void plotbtClick();
    void rulerbtClick();
    void finalbtClick();
    void flashbtClick();
    void resetbtClick();

    Canvas& picture() { return *proim.canvas; }
    TColor handleOutline(const Shape& handle) const;

  private:
    Platform& platform_;
    RandomSource& random_;
    RadioGroup findTheAngle_;
    RadioGroup angleReadings_;
    RadioGroup rulerFigures_;
    RadioGroup measureMethods_;

    void layOut();
    void connectHandlers();
    int page() const { return practicenb.tag; }
    void setToolState(int state) { proim.tag = state; }

    void generateProtractorExercise();
    void generateRulerExercise();
    void generateRayMovementExercise();
    void protractorMouseMove(int X, int Y);
    void rulerMouseMove(int X, int Y);
    void drawRayMovementFigure();
    Verdict checkProtractor() const;
    Verdict checkRuler() const;
    Verdict checkRayMovement() const;
    Point handleCentre(const Shape& handle) const;
};
