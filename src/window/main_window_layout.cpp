// SPDX-License-Identifier: MIT
// The main window's layout: every control with its caption, Tag, range, check mark and
// place, and which handler each event runs. The Qt view builds its widgets from these
// values and so holds no layout of its own.
#include <initializer_list>

#include "controls/handle_geometry.h"
#include "controls/translation.h"
#include "window/main_window_controls.h"
#include "window/option_captions.h"

namespace {

void setMenu(MenuItem& item, const std::string& caption, int tag = 0, bool checked = false) {
    item.caption = caption;
    item.tag = tag;
    item.checked = checked;
}

void setSubItems(MenuItem& parent, std::initializer_list<MenuItem*> items) {
    parent.items.assign(items.begin(), items.end());
}

void setScrollBar(ScrollBar& bar, int min, int max, int position, int largeChange = 1) {
    bar.initialise(min, max, position);
    bar.largeChange = largeChange;
}

void setLabel(Label& label, const std::string& caption, int left, int top, int width, int height) {
    label.caption = caption;
    label.setBounds(left, top, width, height);
}

}  // namespace

MainWindowControls::MainWindowControls(const CanvasFactory& makeCanvas) {
    form.caption = text::translate("MainWindow", "Refraction");
    form.setBounds(0, 0, 800, 558);
    form.clientWidth = 800;
    form.clientHeight = 558;
    buildMenus();
    buildBenchPanel(makeCanvas);
    buildOptionsGroup();
}

void MainWindowControls::buildMenus() {
    buildEditMenu();
    buildViewMenu();
    buildOptionsMenu();

    setMenu(Help1, text::translate("MainMenu", "&Help"));
    setMenu(MeasurementPractice1, text::translate("MainMenu", "&Measurement Practice"));
    setMenu(Help2, text::translate("MainMenu", "H&elp"));
    Help2.visible = false;
    setMenu(About1, text::translate("MainMenu", "&About"));
    setSubItems(Help1, {&MeasurementPractice1, &Help2, &About1});

    setMenu(return1, text::translate("MainMenu", "E&xit"));
    MainMenu1 = {&Edit1, &View1, &Options1, &Help1, &return1};

    setMenu(copy1, text::translate("MainMenu", "&Copy"));
    copy1.shortcut = "Ctrl+C";
    setMenu(Print2, text::translate("MainMenu", "&Print"));
    Print2.shortcut = "Ctrl+P";
    PopupMenu1 = {&copy1, &Print2};
}

void MainWindowControls::buildEditMenu() {
    setMenu(Edit1, text::translate("MainMenu", "&Edit"));
    setMenu(copy2, text::translate("MainMenu", "&Copy"));
    copy2.shortcut = "Ctrl+C";
    setMenu(print1, text::translate("MainMenu", "&Print"));
    print1.shortcut = "Ctrl+P";
    setMenu(PrintSetup1, text::translate("MainMenu", "P&rint Setup"));
    setMenu(Enablecopyselect1, text::translate("MainMenu", "Enable Copy &Select"));
    setMenu(EditSeparator1, "-");
    setMenu(UserName1, text::translate("MainMenu", "&User Name"));
    setSubItems(Edit1,
                {&copy2, &print1, &PrintSetup1, &Enablecopyselect1, &EditSeparator1, &UserName1});
}

void MainWindowControls::buildViewMenu() {
    setMenu(View1, text::translate("MainMenu", "&View"));
    setMenu(Experiments1, text::translate("MainMenu", "&Experiments"));
    setMenu(Rectangularprism1, text::translate("MainMenu", "Rectangular Prism"));
    setMenu(DoubleConvexLens1, text::translate("MainMenu", "Double Convex Lens"));
    setMenu(DoubleConcaveLens1, text::translate("MainMenu", "Double Concave Lens"));
    setMenu(SemiCircularLeft1, text::translate("MainMenu", "Semi-Circular Prism Left"));
    setMenu(SemicircularPrismRight1, text::translate("MainMenu", "Semi-Circular Prism Right"));
    setMenu(CircularLens1, text::translate("MainMenu", "Circular Lens"));
    setSubItems(Experiments1, {&Rectangularprism1, &DoubleConvexLens1, &DoubleConcaveLens1,
                               &SemiCircularLeft1, &SemicircularPrismRight1, &CircularLens1});
    setMenu(Experiments2, text::translate("MainMenu", "&Experiments"));
    //: A flat mirror ("plane" as in a flat surface).
    setMenu(PlaneMirror1, text::translate("MainMenu", "Plane Mirror"));
    setMenu(ConvexMirror1, text::translate("MainMenu", "Convex Mirror"));
    setMenu(Concavemirror1, text::translate("MainMenu", "Concave Mirror"));
    setSubItems(Experiments2, {&PlaneMirror1, &ConvexMirror1, &Concavemirror1});
    setMenu(ViewSeparator1, "-");
    setMenu(ShowCenters1, text::translate("MainMenu", "Show &Centers"));
    setMenu(ShowRefraction1, text::translate("MainMenu", "Show &Refraction"), 0, true);
    setMenu(ShowPrincipalaxis1, text::translate("MainMenu", "Show &Principal Axis"), 0, true);
    setMenu(ShowLightsource1, text::translate("MainMenu", "Show &Light Source"), 0, true);
    setMenu(ShowNormals1, text::translate("MainMenu", "Show &Normal"), 0, true);
    setMenu(Extendray1, text::translate("MainMenu", "E&xtend Refracted Ray"));
    setMenu(incidentray1, text::translate("MainMenu", "Extend &Incident Ray"));
    setMenu(ShowGridlines1, text::translate("MainMenu", "Show &Grid Lines"), 0, true);
    setMenu(FollowReflections1, text::translate("MainMenu", "&Follow Internal Reflections"));
    setMenu(ShowFocalPoints1, text::translate("MainMenu", "Show F&ocal Points"));
    setMenu(ShowDirections1, text::translate("MainMenu", "Show Ray &Directions"));
    setSubItems(View1,
                {&Experiments1, &Experiments2, &ViewSeparator1, &ShowCenters1, &ShowRefraction1,
                 &ShowPrincipalaxis1, &ShowLightsource1, &ShowNormals1, &Extendray1, &incidentray1,
                 &ShowGridlines1, &FollowReflections1, &ShowFocalPoints1, &ShowDirections1});
}

void MainWindowControls::buildOptionsMenu() {
    setMenu(Options1, text::translate("MainMenu", "&Options"));
    setMenu(rays11, rayCountCaption("1"));
    setMenu(N02, "0", 0);
    setMenu(N13, "1", 1);
    setMenu(N23, "2", 2);
    setMenu(N33, "3", 3);
    setSubItems(rays11, {&N02, &N13, &N23, &N33});
    setMenu(Slits11, slitCountCaption(1));
    setMenu(N14, "1", 1);
    setMenu(N24, "2", 2);
    setMenu(N34, "3", 3);
    setMenu(N42, "4", 4);
    setMenu(N52, "5", 5);
    setSubItems(Slits11, {&N14, &N24, &N34, &N42, &N52});
    setMenu(Pointsource1, text::translate("MainMenu", "&Point Source"));
    setMenu(od1, text::translate("MainMenu", "Optical &Device (Lens)"));
    od1.visible = false;
    setMenu(Lens1, text::translate("MainMenu", "Lens"));
    setMenu(Mirror1, text::translate("MainMenu", "Mirror"));
    setSubItems(od1, {&Lens1, &Mirror1});
    setMenu(cs1, text::translate("MainMenu", "&Color Scheme (Color)"));
    setMenu(Colour1, text::translate("MainMenu", "Color"), 0);
    //: Black and white.
    setMenu(BW1, text::translate("MainMenu", "B/W"), 1);
    setSubItems(cs1, {&Colour1, &BW1});
    setMenu(Slow1, text::translate("MainMenu", "Slow"), 30);
    //: Short for "medium", between Slow and Fast.
    setMenu(Med1, text::translate("MainMenu", "Med"), 15);
    setMenu(Fast1, text::translate("MainMenu", "Fast"), 6);
    //: The Options menu's item; %1 is the chosen speed (Slow, Med, Fast).
    setMenu(REdrawspeed1,
            text::arg(text::translate("MainMenu", "Redraw Speed (%1)"), {Med1.caption}));
    setSubItems(REdrawspeed1, {&Slow1, &Med1, &Fast1});
    setMenu(On1, text::translate("MainMenu", "On"), 1);
    setMenu(Off1, text::translate("MainMenu", "Off"), 0);
    //: The Options menu's item; %1 is On or Off.
    setMenu(Autohide, text::arg(text::translate("MainMenu", "&Auto Hide (%1)"), {Off1.caption}));
    setSubItems(Autohide, {&On1, &Off1});
    setSubItems(Options1, {&rays11, &Slits11, &Pointsource1, &od1, &cs1, &REdrawspeed1, &Autohide});
}

void MainWindowControls::buildBenchPanel(const CanvasFactory& makeCanvas) {
    Panel2.setBounds(0, 0, 801, 553);
    Panel1.setBounds(1, 5, 797, kBenchPanelHeight);

    planeim.setBounds(14, 14, 769, 344);
    planeim.canvas = makeCanvas(planeim.width, planeim.height);
    lensim.setBounds(14, 14, 769, 344);
    lensim.visible = false;
    lensim.canvas = makeCanvas(lensim.width, lensim.height);
    Image1.setBounds(14, 14, 105, 105);
    Image1.visible = false;
    Image1.canvas = makeCanvas(Image1.width, Image1.height);
    copyshape.visible = false;

    // The handles start lined up as a Reset would leave them: three sources one eighth of
    // the aperture apart, the device centre on the bench centre.
    centerg.setBounds(398, 186, kHandleSize, kHandleSize);
    Shape* sources[] = {&dsh1, &dsh2, &dsh3};
    Shape* aims[] = {&ssh1, &ssh2, &ssh3};
    Shape* middles[] = {&mid1, &mid2, &mid3};
    for (int i = 0; i < 3; ++i) {
        const int top = 186 + 40 * (i - 1);
        sources[i]->setBounds(80, top, kHandleSize, kHandleSize);
        sources[i]->kind = ShapeKind::Circle;
        sources[i]->tag = i + 1;
        aims[i]->setBounds(390, top, kHandleSize, kHandleSize);
        aims[i]->kind = ShapeKind::Circle;
        aims[i]->tag = kAimHandleTags + i + 1;
        middles[i]->setBounds(235, top, kHandleSize, kHandleSize);
        middles[i]->tag = i + 1;
        // Only source 1 is shown until the number of rays is chosen.
        sources[i]->visible = aims[i]->visible = middles[i]->visible = (i == 0);
    }
    centerg.tag = 0;
}

void MainWindowControls::buildOptionsGroup() {
    GroupBox1.caption = text::translate("OpticalProperties", "Optical Properties");
    GroupBox1.setBounds(6, 384, 785, 164);

    taboptions.setBounds(8, 16, 433, 142);
    taboptions.pages = {text::translate("OpticalProperties", "&Lens Properties"),
                        text::translate("OpticalProperties", "&Measurement")};
    taboptions.initialisePage(1);

    leftgb.caption = text::translate("OpticalProperties", "Left Side");
    leftgb.setBounds(4, 2, 138, 106);
    rightgb.caption = text::translate("OpticalProperties", "Right Side");
    rightgb.setBounds(283, 2, 138, 106);
    for (ComboBox* box : {&leftcb, &rightcb}) {
        //: The kind of a surface: "Plane" is flat, not an aircraft.
        box->items = {text::translate("OpticalProperties", "Plane", "flat surface"),
                      text::translate("OpticalProperties", "Convex"),
                      text::translate("OpticalProperties", "Concave")};
        box->itemIndex = 1;
        box->setBounds(8, 20, 122, 24);
    }
    leftcb.tag = 1;
    rightcb.tag = 2;
    setLabel(lradiuslb, radiusCaption(20), 8, 50, 122, 16);
    setLabel(Rradiuslb, radiusCaption(20), 8, 50, 122, 16);
    for (ScrollBar* bar : {&lradiussb, &rradiussb}) {
        setScrollBar(*bar, 10, 50, 20);
        bar->setBounds(8, 72, 122, 17);
    }
    lradiussb.tag = 1;
    rradiussb.tag = 2;

    setLabel(lenswlb, text::translate("OpticalProperties", "Lens Width:"), 150, 10, 80, 16);
    setLabel(llb, "5", 236, 10, 40, 16);
    setScrollBar(widthsb, 5, 120, 5);
    widthsb.setBounds(150, 30, 125, 17);
    setLabel(slitlb, text::translate("OpticalProperties", "Slit Width:"), 150, 58, 80, 16);
    setLabel(slb, "15", 236, 58, 40, 16);
    setScrollBar(slitsb, 5, 40, 15);
    slitsb.setBounds(150, 78, 125, 17);
    slitlb.visible = slb.visible = slitsb.visible = false;

    domeasurecb.caption = text::translate("OpticalProperties", "Measure");
    domeasurecb.setBounds(12, 8, 96, 20);
    measurerb.caption = text::translate("OpticalProperties", "Length");
    measurerb.setBounds(12, 36, 96, 20);
    measurerb.tag = 0;
    Anglerb.caption = text::translate("OpticalProperties", "Angle");
    Anglerb.setBounds(12, 62, 96, 20);
    Anglerb.tag = 1;
    measureModes.add(measurerb);
    measureModes.add(Anglerb);
    measurerb.setChecked(true);
    setLabel(anslb, "", 124, 8, 281, 33);
    anslb.visible = false;
    setLabel(ianglelb, text::translate("OpticalProperties", "Angle of Incidence is 0 Degrees"), 124,
             66, 290, 20);

    indexgb.caption = text::translate("OpticalProperties", "Index of Refraction");
    indexgb.setBounds(448, 8, 161, 148);
    setLabel(glasslb, glassIndexCaption(150), 10, 22, 141, 16);
    setScrollBar(glassindex, 100, 300, 150);
    glassindex.setBounds(10, 42, 141, 17);
    glassindex.tag = 2;
    setLabel(airlb, airIndexCaption(100), 10, 80, 141, 16);
    setScrollBar(airindex, 100, 300, 100);
    airindex.setBounds(10, 100, 141, 17);
    airindex.tag = 1;

    setLabel(zoomlb, zoomCaption(25), 618, 10, 159, 18);
    setScrollBar(scalesb, 7, 40, 12, 4);
    scalesb.setBounds(618, 30, 159, 17);

    GroupBox2.caption = text::translate("OpticalProperties", "Colors");
    GroupBox2.setBounds(616, 54, 161, 44);
    Oneclrb.caption = text::translate("OpticalProperties", " One");
    Oneclrb.tag = 1;
    Oneclrb.setBounds(10, 18, 70, 20);
    threeclrb.caption = text::translate("OpticalProperties", " Three");
    threeclrb.tag = 3;
    threeclrb.setBounds(84, 18, 70, 20);
    colourChoices.add(Oneclrb);
    colourChoices.add(threeclrb);
    Oneclrb.setChecked(true);

    resetbt.caption = text::translate("OpticalProperties", "&Reset");
    resetbt.setBounds(652, 112, 89, 33);

    for (Button* operation : {&plotbt, &drawlensbt, &flashlightbt, &rdbt}) {
        operation->visible = false;
    }

    hintsgb.caption = text::translate("OpticalProperties", "Hints");
    hintsgb.setBounds(616, 100, 161, 60);
    hintsgb.visible = false;
    setLabel(hintslb, text::translate("OpticalProperties", "Hints shown here."), 6, 16, 149, 40);
}
