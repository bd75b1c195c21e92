// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "bench/bench_state.h"
#include "bench/ray_path.h"
#include "canvas/canvas_factory.h"
#include "controls/controls.h"
#include "controls/handle_geometry.h"
#include "platform/platform.h"
#include "shell/information_dialog.h"
#include "window/choices.h"

struct DisplaySwitches;

// The main window's model: every control of the window, the bench state, and every event
// handler under its own name. It is one class because its handlers are one window's
// events, but it stays a facade: each handler reads or sets controls and state, then calls
// named operations. The handlers are defined in the folder of the behaviour they belong to
// (src/bench/trace_pass.cpp defines plotbtClick, src/sources/source_handlers.cpp defines
// N02Click, ...).
class Treframain {
  public:
    // Creating the window builds its controls and runs FormCreate, which draws the bench.
    Treframain(Platform& platform, CanvasFactory makeCanvas);
    Treframain(const Treframain&) = delete;
    Treframain& operator=(const Treframain&) = delete;

    BenchState bench;
    // The rays of the last trace pass, in drawing order.
    std::vector<TracedRay> tracedRays;
    std::string applicationTitle = "Lumivex";
    InformationDialog aboutBox;

    // --- The window and its focus -------------------------------------------------------
    Form form;
    FocusTracker focus;

    // --- Main menu -----------------------------------------------------------------------
    MenuItem Edit1, copy2, print1, PrintSetup1, Enablecopyselect1, EditSeparator1, UserName1;
    MenuItem View1, Experiments1, Rectangularprism1, DoubleConvexLens1, DoubleConcaveLens1,
        SemiCircularLeft1, SemicircularPrismRight1, CircularLens1;
    MenuItem Experiments2, PlaneMirror1, ConvexMirror1, Concavemirror1, ViewSeparator1;
    MenuItem ShowCenters1, ShowRefraction1, ShowPrincipalaxis1, ShowLightsource1, ShowNormals1,
        Extendray1, incidentray1, ShowGridlines1;
    MenuItem Options1, rays11, N02, N13, N23, N33, Slits11, N14, N24, N34, N42, N52, Pointsource1;
    MenuItem od1, Lens1, Mirror1, cs1, Colour1, BW1, REdrawspeed1, Slow1, Med1, Fast1, Autohide,
        On1, Off1;
    MenuItem Help1, MeasurementPractice1, Help2, About1;
    MenuItem return1;
    std::vector<MenuItem*> MainMenu1;  // the menu bar's items, left to right

    // --- Pop-up menu of the bench ----------------------------------------------------------
    MenuItem copy1, Print2;
    std::vector<MenuItem*> PopupMenu1;

    // --- The bench panel ------------------------------------------------------------------
    Panel Panel2;  // frame of everything below
    Panel Panel1;  // bench panel: pictures and handles
    Picture planeim, lensim, Image1;
    Shape copyshape;
    Shape dsh1, dsh2, dsh3, ssh1, ssh2, ssh3, mid1, mid2, mid3, centerg;

    // --- "Optical Properties" --------------------------------------------------------------
    GroupBox GroupBox1;
    Notebook taboptions;
    // Page 0: the device.
    GroupBox leftgb, rightgb;
    ComboBox leftcb, rightcb;
    Label lradiuslb, Rradiuslb;
    ScrollBar lradiussb, rradiussb;
    Label lenswlb, llb;
    ScrollBar widthsb;
    Label slitlb, slb;
    ScrollBar slitsb;
    // Page 1: measuring.
    CheckBox domeasurecb;
    RadioGroup measureModes;
    RadioButton measurerb, Anglerb;
    Label anslb, ianglelb;
    // Beside the notebook.
    Label zoomlb;
    ScrollBar scalesb;
    Button resetbt;
    GroupBox hintsgb;
    Label hintslb;
    GroupBox indexgb;
    Label glasslb, airlb;
    ScrollBar glassindex, airindex;
    GroupBox GroupBox2;
    RadioGroup colourChoices;
    RadioButton Oneclrb, threeclrb;

    // What the menus and switches have chosen.
    Edition edition = Edition::Refraction;
    int sourceCount = 1;  // "Number of Rays"
    int slitCount = 1;    // "Number of Slits"
    ColourScheme colourScheme = ColourScheme::Colour;
    MeasureMode measureMode = MeasureMode::Length;
    bool autoHide = false;
    bool mirror() const { return edition == Edition::Reflection; }

    // --- Window-level handlers --------------------------------------------------------------
    void FormCreate();
    void FormActivate();
    void FormDeactivate();
    void WMSize(int sizeType);
    void return1Click(Control& sender);
    void Help2Click(Control& sender);
    void About1Click(Control& sender);
    void MeasurementPractice1Click(Control& sender);

    // --- Bench: tracing, indices and colours -----------------------------------------------
    void plotbtClick();
    void airindexChange(Control& sender);
    void airindexExit(Control& sender);
    void OneclrbClick(Control& sender);
    void Colour1Click(Control& sender);

    // --- Devices ------------------------------------------------------------------------------
    void drawlensbtClick();
    void Lens1Click(Control& sender);
    void Mirror1Click(Control& sender);
    void lensrbClick();
    void Rectangularprism1Click(Control& sender);
    void DoubleConvexLens1Click(Control& sender);
    void DoubleConcaveLens1Click(Control& sender);
    void SemiCircularLeft1Click(Control& sender);
    void SemicircularPrismRight1Click(Control& sender);
    void CircularLens1Click(Control& sender);
    void PlaneMirror1Click(Control& sender);
    void ConvexMirror1Click(Control& sender);
    void Concavemirror1Click(Control& sender);
    void lradiussbChange(Control& sender);
    void widthsbChange(Control& sender);

    // --- Sources ------------------------------------------------------------------------------
    void N02Click(Control& sender);
    void N24Click(Control& sender);
    void slitsbChange(Control& sender);
    void Pointsource1Click(Control& sender);
    void flashlightbtClick();

    // --- Interaction: dragging, zoom and reset, display options, hints ---------------------
    // Mouse coordinates are relative to the handle that receives the event.
    void dsh1MouseDown(Shape& sender, MouseButton button, int x, int y);
    void dsh1MouseMove(Shape& sender, int x, int y);
    void mid1MouseMove(Shape& sender, int x, int y);
    void centergMouseMove(Shape& sender, int x, int y);
    void dsh1MouseUp(Shape& sender, MouseButton button, int x, int y);
    void scalesbChange(Control& sender);
    void rdbtClick();
    void resetbtClick(Control& sender);
    void ShowCenters1Click(Control& sender);
    void Slow1Click(Control& sender);
    void On1Click(Control& sender);
    void Panel2MouseMove(int x, int y);
    void resetbtMouseMove();
    void zoomlbMouseMove();
    void taboptionsChange(int newTab);

    // --- Measuring and the copy selection ----------------------------------------------------
    void domeasurecbClick(Control& sender);
    void measurerbClick(Control& sender);
    // Also the mouse-move handler of the window and of Panel1, with their coordinates.
    void planeimMouseMove(int x, int y);
    void planeimMouseDown(MouseButton button, int x, int y);
    void planeimMouseUp(MouseButton button, int x, int y);
    void Enablecopyselect1Click(Control& sender);
    // The copy selection's share of the bench's mouse handlers: while a selection is dragged
    // under the default cursor the frame follows the mouse (the answer says whether it did);
    // finishing copies the framed part of the bench picture to the clipboard.
    bool dragCopySelection(int x, int y);
    void finishCopySelection();

    // --- Output -----------------------------------------------------------------------------
    void copy1Click(Control& sender);
    void Print2Click(Control& sender);
    void print1Click(Control& sender);
    void PrintSetup1Click(Control& sender);
    void UserName1Click(Control& sender);
    // Prints take the user's name from here: the user-name dialog's edit box, which is
    // created after this window and set once both exist. Unset, prints carry no name.
    const EditBox* userNameBox = nullptr;

    // The source, aim and middle handle of source i (1..3).
    Shape& sourceHandle(int i) { return *bench.handleShapes[i]; }
    Shape& aimHandle(int i) { return *bench.handleShapes[i + 3]; }
    Shape& middleHandle(int i) { return *bench.handleShapes[i + 6]; }
    // A handle's centre in bench pixels.
    Point benchCentre(const Shape& handle) const { return centreOnPicture(handle, planeim); }
    Canvas& planeCanvas() { return *planeim.canvas; }
    Canvas& lensCanvas() { return *lensim.canvas; }

  private:
    void buildMenus();
    void buildBenchPanel();
    void buildOptionsGroup();
    void wireHandlers();
    void chooseEdition();
    void setDevice(Edition device);
    void updateFirstRayColour();
    void keepSourcesClearOfTheDevice();
    void setSwitch(MenuItem& item, bool on);
    void startExperiment();
    void singleSourceThenReset(int zoom);
    void resetThenSources(int zoom, int sources);
    void keepSourceCount(int sources);
    void applyLensSwitches(const DisplaySwitches& on);
    void applyMirrorSwitches(const DisplaySwitches& on);
    void editKind(ComboBox& box, int itemIndex);
    void drawIncidentExtensions();
    void traceRay(const RayPass& pass, int source, int colour, int slit);
    void drawCentresOfCurvature();
    void keepLeftOfTheDevice(Shape& source) const;
    int aimLeftAt(double entryX) const;
    // Dragging.
    void recomputeDeviceOffset();
    int clampedAimTop(int top) const;
    int leftFaceLeft(int aimTop) const;
    void settleDraggedAim(int source);
    void updateSourceAngle(int source);
    void gatherOnSourceOne();
    void moveDevice(int dx, int dy);
    // Auto hide.
    int shownOptionsTop() const;
    void slideOptionsGroupAway();
    void resizeBench(int height);
    // Measuring.
    bool angleMode() const { return measureMode == MeasureMode::Angle; }
    void showHandlesForMeasuring(bool measuring);
    void keepHandlesOffTheBenchWhileMeasuring();
    void showBenchHint();
    void measureAt(int x, int y);
    void measureAngleAt(int x, int y);

    Platform& platform_;
    CanvasFactory makeCanvas_;
};
