// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "support/main_window_fixture.h"

namespace {

TEST(IndexSliders, captionsShowTwoDecimalsAndTheIndexFollows) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    struct Case {
        ScrollBar* slider;
        int position;
        const char* caption;
    };
    const Case cases[] = {
        {&w.airindex, 109, "\"Air\": 1.09"},     {&w.airindex, 110, "\"Air\": 1.10"},
        {&w.airindex, 100, "\"Air\": 1.00"},     {&w.glassindex, 300, "\"Glass\": 3.00"},
        {&w.glassindex, 105, "\"Glass\": 1.05"}, {&w.glassindex, 150, "\"Glass\": 1.50"},
    };
    for (const Case& c : cases) {
        c.slider->setPosition(c.position);
        const Label& label = c.slider == &w.airindex ? w.airlb : w.glasslb;
        EXPECT_EQ(label.caption, c.caption);
        EXPECT_DOUBLE_EQ(w.bench.mediumIndex[c.slider->tag], c.position / 100.0);
    }
}

TEST(IndexSliders, movingOneAbandonsAHalfFinishedMeasurementAndRetraces) {
    MainWindowFixture fixture;
    measureUnderWay(fixture.window, 2);
    fixture.bench().clear();
    fixture.window.airindex.setPosition(130);
    EXPECT_EQ(fixture.window.measuring.phase(), 0);
    EXPECT_FALSE(fixture.bench().calls.empty());
}

TEST(ColourScheme, blackAndWhiteGivesBlackRaysOnAWhiteBenchAndRenamesTheMenu) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.BW1.click();
    EXPECT_EQ(w.cs1.caption, "&Colour Scheme (B/W)");
    EXPECT_EQ(w.colourScheme, ColourScheme::BlackAndWhite);
    EXPECT_EQ(w.bench.rayColours[1], colours::black);
    EXPECT_EQ(w.bench.sourceColour, colours::black);
    EXPECT_EQ(w.bench.benchBackColour, colours::white);
    const auto background = fixture.devicePicture().callsOf(DrawOp::Rectangle).back();
    EXPECT_EQ(background.brush.color, colours::white);

    // Three colours stay red, green and blue under B/W; the source colour stays black.
    w.threeclrb.setChecked(true);
    EXPECT_EQ(w.bench.rayColours[1], colours::red);
    EXPECT_EQ(w.bench.sourceColour, colours::black);

    w.Colour1.click();
    EXPECT_EQ(w.cs1.caption, "&Colour Scheme (Color)");
    w.Oneclrb.setChecked(true);
    EXPECT_EQ(w.bench.rayColours[1], 0x00B9FFu);
}

}  // namespace
