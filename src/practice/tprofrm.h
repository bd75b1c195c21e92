// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <string>

#include "canvas/canvas_factory.h"
#include "controls/controls.h"
#include "controls/key_pointer.h"
#include "platform/platform.h"
#include "platform/random.h"
#include "practice/on_screen_tool.h"
#include "practice/practice_page.h"
#include "practice/protractor_page.h"
#include "practice/ray_movement_page.h"
#include "practice/ruler_page.h"

// The "Measurement Practice" window: protractor, ruler and ray-movement drills on generated
// exercises, judged by Check. The program creates it once at start and shows it modally as
// often as the user asks; everything here survives closing it. The window keeps the layout
// and hands each event to the page that is showing; the pages share the on-screen tool.
class TProfrm {
  public:
    TProfrm(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas);

    // The window layout. Geometry is in the parent's client pixels: the picture and the
    // handles in Panel1, the notebook and the buttons in Panel2, the page controls in their
    // notebook page.
    Form form;
    Panel Panel1;
    Picture proim;
    Shape csh;  // line handle
    Shape msh;  // midpoint handle
    Shape lsh;  // hit-point handle
    Shape dsh;  // direction handle
    Panel Panel2;
    Notebook practicenb;
    Button Checkbt;
    Button nextbt;
    Button Returnbt;
    Button resetbt;  // never shown
    GroupBox GroupBox1;
    RadioButton m1rb;
    RadioButton m2rb;  // Tag: the last protractor tool state with this method
    // "&Protractor" page
    Label Label1;
    RadioButton Normalrb;
    RadioButton linerb;
    GroupBox anggb;
    RadioButton Ang1rb;  // Tag: the reading it chooses
    RadioButton ang2rb;  // Tag: the reading it chooses
    // "&Ruler" page
    Label Label2;
    Label anallb;
    RadioButton pointsrb;
    RadioButton wavefrontrb;
    RadioButton pandlrb;
    // "&Ray Movement" page
    Label Label3;
    Label hintlb;

    // The centre of the protractor and ruler figures, the middle of the picture.
    Point figureCentre;
    OnScreenTool tool;
    ProtractorPage protractor;
    RulerPage ruler;
    RayMovementPage rayMovement;

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

    // The keyboard in place of the mouse. The arrow keys on a focused handle drag it by
    // (dx, dy). On the picture, Home puts a pointer on the figure's centre, the arrows move
    // it as the mouse would move, Space clicks there.
    void moveHandleByKeys(Shape& handle, int dx, int dy);
    void startPointerByKey();
    void movePointerByKeys(int dx, int dy);
    void clickPointerByKey();
    KeyPointer keyPointer;
    // What assistive technology calls a handle, and how it describes it (its hint).
    std::string accessibleName(const Shape& handle) const;
    std::string accessibleDescription(const Shape& handle) const;

    // The hidden buttons, operations other handlers run: redraw the page that is showing,
    // and put the ray's handles back where an exercise starts them, then redraw.
    void plotbtClick();
    void resetbtClick();

    Canvas& picture() { return *proim.canvas; }
    TColor handleOutline(const Shape& handle) const;
    // The notebook page the handlers work on.
    int currentPageIndex() const;

  private:
    Platform& platform_;
    RadioGroup findTheAngle_;
    RadioGroup angleReadings_;
    RadioGroup rulerFigures_;
    RadioGroup measureMethods_;
    std::array<PracticePage*, 3> pages_;
    PracticePage* currentPage_;

    void layOut();
    void connectHandlers();
    PracticePage& currentPage() { return *currentPage_; }
    void showHandles(bool visible);
};
