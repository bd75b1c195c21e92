// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "canvas/canvas_factory.h"
#include "controls/controls.h"
#include "window/bench_settings.h"
#include "window/choices.h"

// Every control of the main window as its layout places it, and what its menus and
// switches have chosen. It holds no behaviour: the layers above it (bench, sources,
// devices, interaction, measure, and the window frame at the top) each connect the
// handlers of their own controls.
class MainWindowControls {
  public:
    // Lays the controls out and gives each picture its canvas.
    explicit MainWindowControls(const CanvasFactory& makeCanvas);
    MainWindowControls(const MainWindowControls&) = delete;
    MainWindowControls& operator=(const MainWindowControls&) = delete;

    // The bench panel's height while the options group shows below it.
    static constexpr int kBenchPanelHeight = 372;

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
    // Teaching aids, off at start: rays followed on through the glass after a
    // total internal reflection, the focal points on the axis, arrows on the rays.
    MenuItem FollowReflections1, ShowFocalPoints1, ShowDirections1;
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

    // --- The window's operations, as buttons that are never shown ------------------------
    // Each layer connects the buttons of its own operations; no layer presses one.
    Button plotbt;        // redraw rays
    Button drawlensbt;    // redraw the device, then the rays
    Button flashlightbt;  // draw the light sources
    Button rdbt;          // recompute the curved surfaces after a zoom

    // --- What the menus and switches have chosen ------------------------------------------
    Edition edition = Edition::Refraction;
    int sourceCount = 1;  // "Number of Rays"
    int slitCount = 1;    // "Number of Slits"
    ColourScheme colourScheme = ColourScheme::Colour;
    MeasureMode measureMode = MeasureMode::Length;
    bool autoHide = false;
    bool mirror() const { return edition == Edition::Reflection; }
    // What the controls say about how the bench is drawn and traced.
    BenchSettings benchSettings() const;

    Canvas& planeCanvas() { return *planeim.canvas; }
    Canvas& lensCanvas() { return *lensim.canvas; }

  private:
    void buildMenus();
    void buildEditMenu();
    void buildViewMenu();
    void buildOptionsMenu();
    void buildBenchPanel(const CanvasFactory& makeCanvas);
    void buildOptionsGroup();
};
