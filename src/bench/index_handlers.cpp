// SPDX-License-Identifier: MIT
// The "Glass" and "Air" sliders, one or three colours, and the colour scheme.
#include <string>

#include "bench/bench_layer.h"

namespace {

// Position 150 reads "1.50", 105 "1.05", 300 "3.00".
std::string indexText(int position) {
    const int fraction = position % 100;
    return std::to_string(position / 100) + "." + (fraction < 10 ? "0" : "") +
           std::to_string(fraction);
}

}  // namespace

void BenchLayer::airindexChange(Control& sender) {
    const auto& slider = static_cast<ScrollBar&>(sender);
    const int medium = carriedValue(slider);
    bench.mediumIndex[medium] = slider.position() / 100.0;
    if (medium == 1) {
        airlb.caption = "\"Air\": " + indexText(slider.position());
    } else {
        glasslb.caption = "\"Glass\": " + indexText(slider.position());
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
    cs1.caption = "&Colour Scheme (" + sender.caption + ")";
    colourScheme = static_cast<ColourScheme>(carriedValue(sender));
    updateFirstRayColour();
    drawlensbtClick();
}
