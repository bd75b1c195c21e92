// SPDX-License-Identifier: MIT
#include "shell/treframain.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/main_window_fixture.h"

namespace {

std::vector<std::string> captionsOf(const std::vector<MenuItem*>& items) {
    std::vector<std::string> captions;
    for (const MenuItem* item : items) {
        captions.push_back(item->caption);
    }
    return captions;
}

TEST(MainMenu, holdsEveryMenuWithItsCaptionsInOrder) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    EXPECT_EQ(captionsOf(w.MainMenu1),
              (std::vector<std::string>{"&Edit", "&View", "&Options", "&Help", "E&xit"}));
    EXPECT_EQ(captionsOf(w.Edit1.items),
              (std::vector<std::string>{"&Copy", "&Print", "P&rint Setup", "Enable Copy &Select",
                                        "-", "&User Name"}));
    EXPECT_EQ(captionsOf(w.View1.items),
              (std::vector<std::string>{
                  "&Experiments", "&Experiments", "-", "Show &Centers", "Show &Refraction",
                  "Show &Principal Axis", "Show &Light Source", "Show &Normal",
                  "E&xtend Refracted Ray", "Extend &Incident Ray", "Show &Grid Lines",
                  "&Follow Internal Reflections", "Show F&ocal Points", "Show Ray &Directions"}));
    EXPECT_EQ(captionsOf(w.Experiments1.items),
              (std::vector<std::string>{"Rectangular Prism", "Double Convex Lens",
                                        "Double Concave Lens", "Semi-Circular Prism Left",
                                        "Semi-Circular Prism Right", "Circular Lens"}));
    EXPECT_EQ(captionsOf(w.Experiments2.items),
              (std::vector<std::string>{"Plane Mirror", "Convex Mirror", "Concave Mirror"}));
    EXPECT_EQ(
        captionsOf(w.Options1.items),
        (std::vector<std::string>{"Number of &Rays (1)", "Number of &Slits (1)", "&Point Source",
                                  "Optical &Device (Lens)", "&Color Scheme (Color)",
                                  "Redraw Speed (Med)", "&Auto Hide (Off)"}));
    EXPECT_EQ(captionsOf(w.Help1.items),
              (std::vector<std::string>{"&Measurement Practice", "H&elp", "&About"}));
    EXPECT_EQ(captionsOf(w.PopupMenu1), (std::vector<std::string>{"&Copy", "&Print"}));
}

TEST(MainMenu, shortcutsChecksVisibilityAndTagsAreAsLaidOut) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    EXPECT_EQ(w.copy2.shortcut, "Ctrl+C");
    EXPECT_EQ(w.print1.shortcut, "Ctrl+P");
    EXPECT_EQ(w.copy1.shortcut, "Ctrl+C");
    EXPECT_EQ(w.Print2.shortcut, "Ctrl+P");
    EXPECT_TRUE(w.PrintSetup1.shortcut.empty());

    for (const MenuItem* on : {&w.ShowRefraction1, &w.ShowPrincipalaxis1, &w.ShowLightsource1,
                               &w.ShowNormals1, &w.ShowGridlines1}) {
        EXPECT_TRUE(on->checked) << on->caption;
    }
    for (const MenuItem* off : {&w.ShowCenters1, &w.Extendray1, &w.incidentray1,
                                &w.FollowReflections1, &w.ShowFocalPoints1, &w.ShowDirections1}) {
        EXPECT_FALSE(off->checked) << off->caption;
    }
    EXPECT_FALSE(w.od1.visible);
    EXPECT_FALSE(w.Help2.visible);

    struct Tagged {
        const MenuItem* item;
        int tag;
    };
    const Tagged tags[] = {{&w.N02, 0}, {&w.N13, 1},    {&w.N23, 2},     {&w.N33, 3},
                           {&w.N14, 1}, {&w.N24, 2},    {&w.N34, 3},     {&w.N42, 4},
                           {&w.N52, 5}, {&w.Slow1, 30}, {&w.Med1, 15},   {&w.Fast1, 6},
                           {&w.On1, 1}, {&w.Off1, 0},   {&w.Colour1, 0}, {&w.BW1, 1}};
    for (const auto& [item, tag] : tags) {
        EXPECT_EQ(item->tag, tag) << item->caption;
    }
    // The parents show the counts chosen; the window starts with one source and one slit.
    EXPECT_EQ(w.sourceCount, 1);
    EXPECT_EQ(w.slitCount, 1);
}

TEST(MainWindowLayout, controlsCarryTheirTagsAndRanges) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    EXPECT_EQ(w.airindex.tag, 1);
    EXPECT_EQ(w.glassindex.tag, 2);
    EXPECT_EQ(w.Oneclrb.tag, 1);
    EXPECT_EQ(w.threeclrb.tag, 3);
    EXPECT_TRUE(w.Oneclrb.checked());
    EXPECT_EQ(w.scalesb.min, 7);
    EXPECT_EQ(w.scalesb.max, 40);
    EXPECT_EQ(w.scalesb.largeChange, 4);
    EXPECT_EQ(w.widthsb.min, 5);
    EXPECT_EQ(w.widthsb.max, 120);
    EXPECT_EQ(w.slitsb.position(), 15);
    EXPECT_FALSE(w.slitsb.visible);
    EXPECT_EQ(w.taboptions.pageIndex(), 1);
    EXPECT_EQ(w.planeim.width, 769);
    EXPECT_EQ(w.planeim.height, 344);
    EXPECT_FALSE(w.hintsgb.visible);
    EXPECT_EQ(w.hintslb.caption, "Hints shown here.");
    EXPECT_EQ(w.glasslb.caption, "\"Glass\": 1.50");
}

struct EditionCase {
    const char* executable;
    const char* title;
    const char* aboutCaption;
    const char* productLine;
    int helpContext;
    int notebookLeft;
    const char* firstPage;
    const char* refractionCaption;
    const char* extendCaption;
    bool refraction;
};

class EditionSetUp : public ::testing::TestWithParam<EditionCase> {};

TEST_P(EditionSetUp, theExecutableNameChoosesTheEditionsTextsAndDevice) {
    const EditionCase& c = GetParam();
    StartedWindowFixture fixture(c.executable);
    Treframain& w = fixture.window;
    EXPECT_EQ(w.form.caption, c.title);
    EXPECT_EQ(w.applicationTitle, c.title);
    EXPECT_EQ(w.aboutBox.form.caption, c.aboutCaption);
    EXPECT_EQ(w.aboutBox.productName.caption, c.productLine);
    EXPECT_EQ(w.aboutBox.version.caption, "Version 1.2");
    EXPECT_EQ(w.Help1.helpContext, c.helpContext);
    EXPECT_EQ(w.taboptions.left, c.notebookLeft);
    EXPECT_EQ(w.taboptions.pages[0], c.firstPage);
    EXPECT_EQ(w.ShowRefraction1.caption, c.refractionCaption);
    EXPECT_EQ(w.Extendray1.caption, c.extendCaption);
    EXPECT_EQ(w.edition == Edition::Refraction, c.refraction);
    EXPECT_EQ(w.indexgb.visible, c.refraction);
    EXPECT_EQ(w.Experiments1.visible, c.refraction);
    EXPECT_EQ(w.Experiments2.visible, !c.refraction);
    // Only glass reflects a ray inside itself; the other two aids serve mirrors too.
    EXPECT_EQ(w.FollowReflections1.visible, c.refraction);
    EXPECT_TRUE(w.ShowFocalPoints1.visible);
    EXPECT_TRUE(w.ShowDirections1.visible);
    EXPECT_EQ(w.rightgb.visible, c.refraction);
    EXPECT_EQ(w.widthsb.visible, c.refraction);
    EXPECT_EQ(w.leftgb.caption, c.refraction ? "Left Side" : "Mirror Type");
    EXPECT_EQ(w.od1.caption, c.refraction ? "Optical Device (Lens)" : "Optical Device (Mirror)");
    EXPECT_FALSE(w.domeasurecb.checked());
}

INSTANTIATE_TEST_SUITE_P(
    BothEditions, EditionSetUp,
    ::testing::Values(EditionCase{"Lumivex", "Lumivex", "Refraction Experiment About",
                                  "Product Name: Lumivex", 2000, 8, "&Lens Properties",
                                  "Show Refraction", "Extend Refracted Ray", true},
                      EditionCase{"Lumivex.exe", "Lumivex", "Refraction Experiment About",
                                  "Product Name: Lumivex", 2000, 8, "&Lens Properties",
                                  "Show Refraction", "Extend Refracted Ray", true},
                      EditionCase{"lumivex.exe", "Spekvale", "Reflection Experiment About",
                                  "Product Name: Spekvale", 3000, 176, "&Mirror Properties",
                                  "Show Reflection", "Extend Reflected Ray", false},
                      EditionCase{"Spekvale", "Spekvale", "Reflection Experiment About",
                                  "Product Name: Spekvale", 3000, 176, "&Mirror Properties",
                                  "Show Reflection", "Extend Reflected Ray", false}),
    [](const testing::TestParamInfo<EditionCase>& info) {
        return caseName(info.param.executable);
    });

TEST(MainWindowSetUp, centresTheWindowOnTheScreenAndTheFrameInTheClientArea) {
    MainWindowFixture fixture;
    fixture.platform.screen = {1280, 1024};
    fixture.window.form.clientWidth = 800;
    fixture.window.form.clientHeight = 577;
    fixture.window.FormActivate();
    EXPECT_EQ(fixture.window.form.left, 240);
    EXPECT_EQ(fixture.window.form.top, 212);
    EXPECT_EQ(fixture.window.Panel2.left, 0);  // (800 - 801) div 2 truncates toward zero
    EXPECT_EQ(fixture.window.Panel2.top, 12);  // (577 - 553) div 2
}

TEST(MainWindowCommands, windowLevelCommandsGoToThePlatform) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.About1.click();
    w.MeasurementPractice1.click();
    EXPECT_EQ(fixture.platform.modalsShown,
              (std::vector<ModalWindow>{ModalWindow::About, ModalWindow::Practice}));
    w.Help1.helpContext = 3000;
    w.Help2.click();
    EXPECT_EQ(fixture.platform.helpContexts, (std::vector<int>{3000}));
    w.WMSize(0);
    EXPECT_EQ(fixture.platform.minimiseCount, 0);
    w.WMSize(1);
    EXPECT_EQ(fixture.platform.minimiseCount, 1);
    w.return1.click();
    EXPECT_EQ(fixture.platform.closeCount, 1);
}

}  // namespace
