// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "bench/device_painter.h"
#include "canvas/qt_canvas.h"

namespace {

constexpr TColor kCream = 0xC7FDFE;  // RGB (254, 253, 199)
constexpr TColor kLightGrey = 0xF0F0F0;

// The bench as the window creates it, zoomed.
BenchState benchAtZoom(int scalePosition) {
    BenchState bench = createdBench(769, 344, 20, 20);
    setZoom(bench, scalePosition);
    return bench;
}

TEST(DevicePixels, theDefaultBenchIsCreamWithAWhiteLensAndAGreyAxis) {
    BenchState bench = benchAtZoom(12);
    bench.radiusFactor = {{2.0, 2.0}};
    bench.surfaceCentreDist = {{chordCentreDistance(344.0, 162), chordCentreDistance(344.0, 162)}};
    QtCanvas canvas(769, 344);
    DeviceDrawing drawing;
    drawing.deviceCentre = {386, 174};
    drawing.colours = schemeColours(ColourScheme::Colour, false);
    paintDevice(canvas, bench, drawing);

    EXPECT_EQ(canvas.pixel(20, 150), kCream);
    EXPECT_EQ(canvas.pixel(386, 100), colours::white);  // inside the lens, grid covered
    EXPECT_EQ(canvas.pixel(20, 174), colours::grey);    // the axis
    EXPECT_EQ(canvas.pixel(386, 174), colours::grey);   // crossing the lens
    // Near the axis the left surface lies 40 pixels out from its base line at 384.
    EXPECT_EQ(canvas.pixel(344, 170), kLightGrey);
    EXPECT_EQ(canvas.pixel(343, 170), kCream);
}

TEST(DevicePixels, theSmallestDeviceIsStillFilled) {
    // Width 5 at zoom 7/12 is 2.9 pixels: half 1, so the seed lies between the base lines.
    BenchState bench = benchAtZoom(7);
    bench.surfaceKind = {{kPlane, kPlane}};
    QtCanvas canvas(769, 344);
    DeviceDrawing drawing;
    drawing.widthPosition = 5;
    drawing.deviceCentre = {386, 174};
    drawing.showGrid = false;
    drawing.showAxis = false;
    drawing.colours = schemeColours(ColourScheme::Colour, false);
    paintDevice(canvas, bench, drawing);

    EXPECT_EQ(canvas.pixel(385, 150), kLightGrey);
    EXPECT_EQ(canvas.pixel(386, 150), colours::white);
    EXPECT_EQ(canvas.pixel(387, 150), kLightGrey);
    EXPECT_EQ(canvas.pixel(383, 150), kCream);  // nothing leaked out
    EXPECT_EQ(canvas.pixel(389, 150), kCream);
}

TEST(DevicePixels, aMirrorLeavesTheGridShowingOnBothSides) {
    BenchState bench = benchAtZoom(12);
    bench.surfaceKind = {{kPlane, kPlane}};
    QtCanvas canvas(769, 344);
    DeviceDrawing drawing;
    drawing.deviceCentre = {386, 174};
    drawing.mirror = true;
    drawing.colours = schemeColours(ColourScheme::Colour, false);
    paintDevice(canvas, bench, drawing);
    EXPECT_EQ(canvas.pixel(384, 100), colours::black);
    EXPECT_EQ(canvas.pixel(420, 100), kCream);
    EXPECT_EQ(canvas.pixel(300, 100), kCream);
}

}  // namespace
