// SPDX-License-Identifier: MIT
// The "Glass" and "Air" sliders, one or three colours, and the colour scheme.
#include <string>

#include "bench/bench_layer.h"
#include "controls/translation.h"
#include "window/option_captions.h"

void BenchLayer::airindexChange(Control& sender) {
    const auto& slider = static_cast<ScrollBar&>(sender);
    const int medium = carriedValue(slider);
    bench.mediumIndex[medium] = slider.position() / 100.0;
    if (medium == 1) {
        airlb.caption = airIndexCaption(slider.position());
    } else {
        glasslb.caption = glassIndexCaption(slider.position());
    }
    mouseMode().abandon();
    plotbtClick();
}

void BenchLayer::airindexExit(Control&) {
    plotbtClick();
}

void BenchLayer::updateFirstRayColour() {
    if (bench.colourCount == 1) {
        bench.rayColours[1] =
            colourScheme == ColourScheme::Colour ? colours::orange : colours::black;
    } else {
        bench.rayColours[1] = colours::red;
    }
}

void BenchLayer::OneclrbClick(Control& sender) {
    bench.colourCount = carriedValue(sender);
    updateFirstRayColour();
    drawlensbtClick();
}

void BenchLayer::Colour1Click(Control& sender) {
    //: The Options menu's item; %1 is the chosen scheme (Color or B/W).
    cs1.caption = text::arg(text::translate("MainMenu", "&Colour Scheme (%1)"), {sender.caption});
    colourScheme = static_cast<ColourScheme>(carriedValue(sender));
    updateFirstRayColour();
    drawlensbtClick();
}
