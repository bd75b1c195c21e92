// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "support/main_window_fixture.h"

namespace {

constexpr double kTolerance = 0.01;

struct PresetRow {
    const char* name;
    const char* edition;
    MenuItem Treframain::*item;
    const char* zoom;
    const char* sources;
    int leftKind;  // item index: 0 Plane, 1 Convex, 2 Concave
    const char* leftRadius;
    int rightKind;
    const char* rightRadius;
    const char* width;
    // Centers, Grid, Light Source, Extend Refracted, Extend Incident, Axis, Normal,
    // Refraction, Point Source.
    bool switches[9];
};

// The experiments as a teacher would list them. A radius of "" is left as it was.
const PresetRow kPresets[] = {
    {"Rectangular Prism",
     "Lumivex",
     &Treframain::Rectangularprism1,
     "Zoom: 75%",
     "Number of &Rays (1)",
     0,
     "",
     0,
     "",
     "100",
     {0, 0, 1, 0, 0, 0, 0, 1, 0}},
    {"Double Convex Lens",
     "Lumivex",
     &Treframain::DoubleConvexLens1,
     "Zoom: 25%",
     "Number of &Rays (0)",
     1,
     "Radius: 20",
     1,
     "Radius: 20",
     "5",
     {0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"Double Concave Lens",
     "Lumivex",
     &Treframain::DoubleConcaveLens1,
     "Zoom: 25%",
     "Number of &Rays (0)",
     2,
     "Radius: 20",
     2,
     "Radius: 20",
     "30",
     {0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {"Semi-Circular Prism Left",
     "Lumivex",
     &Treframain::SemiCircularLeft1,
     "Zoom: 30%",
     "Number of &Rays (1)",
     1,
     "Radius: 10",
     0,
     "",
     "57",
     {0, 0, 1, 0, 0, 1, 1, 0, 0}},
    {"Semi-Circular Prism Right",
     "Lumivex",
     &Treframain::SemicircularPrismRight1,
     "Zoom: 30%",
     "Number of &Rays (1)",
     0,
     "",
     1,
     "Radius: 10",
     "57",
     {0, 0, 1, 0, 0, 1, 1, 0, 0}},
    {"Circular Lens",
     "Lumivex",
     &Treframain::CircularLens1,
     "Zoom: 30%",
     "Number of &Rays (1)",
     1,
     "Radius: 10",
     1,
     "Radius: 10",
     "116",
     {0, 0, 1, 0, 0, 1, 1, 1, 0}},
    {"Plane Mirror",
     "Spekvale",
     &Treframain::PlaneMirror1,
     "Zoom: 75%",
     "Number of &Rays (1)",
     0,
     "",
     -1,
     "",
     "5",
     {0, 0, 1, 0, 0, 0, 1, 1, 0}},
    {"Convex Mirror",
     "Spekvale",
     &Treframain::ConvexMirror1,
     "Zoom: 75%",
     "Number of &Rays (1)",
     1,
     "Radius: 20",
     -1,
     "",
     "5",
     {0, 0, 1, 0, 0, 0, 1, 1, 0}},
};

class Preset : public ::testing::TestWithParam<PresetRow> {};

TEST_P(Preset, setsUpTheWholeExperimentInOneClick) {
    const PresetRow& row = GetParam();
    StartedWindowFixture fixture(row.edition);
    Treframain& w = fixture.window;
    // Disturb what the experiment must put right.
    w.N33.click();
    w.N34.click();
    w.threeclrb.setChecked(true);
    w.domeasurecb.setChecked(true);
    w.ShowCenters1.click();
    w.incidentray1.click();
    for (MenuItem* aid : {&w.FollowReflections1, &w.ShowFocalPoints1, &w.ShowDirections1}) {
        aid->click();
    }

    (w.*row.item).click();

    EXPECT_EQ(w.leftcb.itemIndex, row.leftKind);
    EXPECT_EQ(w.bench.surfaceKind[1], row.leftKind + 1);
    if (row.rightKind >= 0) {
        EXPECT_EQ(w.rightcb.itemIndex, row.rightKind);
        EXPECT_EQ(w.bench.surfaceKind[2], row.rightKind + 1);
    }
    if (*row.leftRadius != '\0') {
        EXPECT_EQ(w.lradiuslb.caption, row.leftRadius);
    }
    if (*row.rightRadius != '\0') {
        EXPECT_EQ(w.Rradiuslb.caption, row.rightRadius);
    }
    EXPECT_EQ(w.llb.caption, row.width);
    EXPECT_EQ(w.zoomlb.caption, row.zoom);
    EXPECT_EQ(w.rays11.caption, row.sources);
    EXPECT_EQ(w.Slits11.caption, "Number of &Slits (1)");
    const MenuItem* switches[] = {&w.ShowCenters1, &w.ShowGridlines1,  &w.ShowLightsource1,
                                  &w.Extendray1,   &w.incidentray1,    &w.ShowPrincipalaxis1,
                                  &w.ShowNormals1, &w.ShowRefraction1, &w.Pointsource1};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(switches[i]->checked, row.switches[i]) << switches[i]->caption;
    }
    // No experiment shows the teaching aids, so that each looks as it always has.
    EXPECT_FALSE(w.FollowReflections1.checked);
    EXPECT_FALSE(w.ShowFocalPoints1.checked);
    EXPECT_FALSE(w.ShowDirections1.checked);
    EXPECT_TRUE(w.Oneclrb.checked());
    EXPECT_EQ(w.bench.colourCount, 1);
    EXPECT_FALSE(w.domeasurecb.checked());
    EXPECT_EQ(w.taboptions.pageIndex(), 0);
}

TEST_P(Preset, runningItTwiceDrawsTheSamePicture) {
    const PresetRow& row = GetParam();
    StartedWindowFixture fixture(row.edition);
    Treframain& w = fixture.window;
    (w.*row.item).click();
    fixture.bench().clear();
    w.plotbtClick();
    const auto first = fixture.bench().calls;
    (w.*row.item).click();
    fixture.bench().clear();
    w.plotbtClick();
    const auto& second = fixture.bench().calls;
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].args, second[i].args) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryExperiment, Preset, ::testing::ValuesIn(kPresets),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::erase_if(name, [](char c) { return c == ' ' || c == '-'; });
                             return name;
                         });

TEST(PresetGeometry, theSemiCircularPrismIsAHalfDisc) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.SemiCircularLeft1.click();
    // Radius 10 at zoom 1 is 172 pixels; its centre lies sqrt(172^2 - 162^2) inside.
    EXPECT_DOUBLE_EQ(w.bench.radiusFactor[1], 1.0);
    EXPECT_NEAR(w.bench.surfaceCentreDist[1], 57.79, kTolerance);
    EXPECT_DOUBLE_EQ(w.bench.deviceWidth, 57.0);
}

TEST(ConcaveMirror, keepsTheZoomAndSwitchesOfTheExperimentBefore) {
    StartedWindowFixture fixture("Spekvale");
    Treframain& w = fixture.window;
    w.PlaneMirror1.click();
    w.ShowFocalPoints1.click();
    w.Concavemirror1.click();
    EXPECT_EQ(w.zoomlb.caption, "Zoom: 75%");
    EXPECT_TRUE(w.ShowNormals1.checked);
    EXPECT_TRUE(w.ShowFocalPoints1.checked);
    EXPECT_EQ(w.leftcb.itemIndex, 2);
    EXPECT_EQ(w.bench.surfaceKind[1], kConcave);
    // A concave mirror's vertex sits on the base line: the centre is a radius away.
    EXPECT_NEAR(w.bench.surfaceCentreDist[1], 20 / 10.0 * 2.5 * 172, kTolerance);
}

TEST(PresetFocus, aPresetChosenWhileTheLeftKindBoxHasTheFocusStillAppliesTheLeftKind) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.focus.focus(w.leftcb);
    w.Rectangularprism1.click();
    EXPECT_EQ(w.bench.surfaceKind[1], kPlane);
    EXPECT_EQ(w.bench.surfaceKind[2], kPlane);
}

TEST(StartUp, theRefractionEditionOpensOnTheDoubleConvexLensWithOneTracedSource) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    EXPECT_EQ(w.bench.surfaceKind[1], kConvex);
    EXPECT_EQ(w.bench.surfaceKind[2], kConvex);
    EXPECT_EQ(w.glasslb.caption, "\"Glass\": 1.50");
    EXPECT_EQ(w.airlb.caption, "\"Air\": 1.00");
    EXPECT_EQ(w.sourceCount, 1);
    EXPECT_EQ(w.slitCount, 1);
    EXPECT_EQ(w.zoomlb.caption, "Zoom: 25%");
    EXPECT_TRUE(w.ShowGridlines1.checked);
    EXPECT_TRUE(w.ShowPrincipalaxis1.checked);
    EXPECT_TRUE(w.ShowRefraction1.checked);
    EXPECT_TRUE(w.ShowLightsource1.checked);
    EXPECT_FALSE(w.ShowNormals1.checked);
    EXPECT_FALSE(w.ShowCenters1.checked);
    EXPECT_FALSE(w.Extendray1.checked);
    EXPECT_FALSE(w.incidentray1.checked);
    EXPECT_TRUE(w.ianglelb.visible);
    EXPECT_TRUE(w.dsh1.visible);
    EXPECT_FALSE(w.dsh2.visible);
}

TEST(StartUp, theReflectionEditionOpensOnTheConcaveMirror) {
    StartedWindowFixture fixture("Spekvale");
    Treframain& w = fixture.window;
    EXPECT_FALSE(w.indexgb.visible);
    EXPECT_FALSE(w.Experiments1.visible);
    EXPECT_TRUE(w.Experiments2.visible);
    EXPECT_EQ(w.bench.surfaceKind[1], kConcave);
    EXPECT_EQ(w.edition, Edition::Reflection);
    EXPECT_EQ(w.zoomlb.caption, "Zoom: 25%");
}

}  // namespace
