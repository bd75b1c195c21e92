// SPDX-License-Identifier: MIT
#include "bench/device_painter.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "canvas/recording_canvas.h"

namespace {

constexpr TColor kLightGrey = 0xF0F0F0;

// The bench as the window creates it: 769 x 344, aperture 10..334, zoom 1.
BenchState createdBench() {
    return ::createdBench(769, 344, 20, 20);
}

DeviceDrawing drawingAt(int widthPosition, bool mirror) {
    DeviceDrawing drawing;
    drawing.widthPosition = widthPosition;
    drawing.deviceCentre = {386, 174};  // the created centre handle's centre
    drawing.mirror = mirror;
    drawing.colours = schemeColours(ColourScheme::Colour, false);
    return drawing;
}

std::vector<Point> outlineVertices(const RecordingCanvas& canvas, TColor colour) {
    std::vector<Point> vertices;
    for (const DrawCall& line : canvas.linesIn(colour)) {
        if (line.pen.style == PenStyle::Solid) {
            vertices.push_back({line.args[2], line.args[3]});
        }
    }
    return vertices;
}

TEST(DevicePicture, twoPlaneSurfacesMakeAFilledRectangleBetweenTheBaseLines) {
    BenchState bench = createdBench();
    bench.surfaceKind = {{kPlane, kPlane}};
    RecordingCanvas canvas(769, 344);
    const int leftX = paintDevice(canvas, bench, drawingAt(100, false));

    // Width 100: base lines 50 pixels either side of the device centre x 386.
    EXPECT_EQ(leftX, 336);
    const std::vector<Point> vertices = outlineVertices(canvas, kLightGrey);
    ASSERT_FALSE(vertices.empty());
    std::set<int> columns;
    for (const Point& vertex : vertices) {
        columns.insert(vertex.x);
        EXPECT_GE(vertex.y, 12);
        EXPECT_LE(vertex.y, 336);
    }
    EXPECT_EQ(columns, (std::set<int>{336, 386, 436}));
    EXPECT_EQ(vertices.front(), (Point{336, 12}));
    EXPECT_EQ(vertices.back(), (Point{386, 12}));  // closes the top edge at the centre

    const auto fills = canvas.callsOf(DrawOp::FloodFill);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].args, (std::vector<int>{386, 172, static_cast<int>(kLightGrey)}));
    EXPECT_EQ(fills[0].brush.color, colours::white);
}

TEST(DevicePicture, aMirrorIsOneBlackLineWithTicksBehindItAndNoFill) {
    BenchState bench = createdBench();
    bench.surfaceKind = {{kPlane, kPlane}};
    RecordingCanvas canvas(769, 344);
    paintDevice(canvas, bench, drawingAt(5, true));

    const auto lines = canvas.linesIn(colours::black);
    ASSERT_FALSE(lines.empty());
    int ticks = 0;
    for (const DrawCall& line : lines) {
        EXPECT_EQ(line.pen.width, 2);
        EXPECT_GE(line.args[1], 12);  // no top edge above the first row
        if (line.args[2] == line.args[0] + 5) {
            ++ticks;  // a tick always points right, behind the mirror
        }
        EXPECT_GE(line.args[0], 384);
    }
    // Rows 10, 25, ..., 325 carry a tick; the last row, 334, does not.
    EXPECT_EQ(ticks, 22);
    EXPECT_TRUE(canvas.callsOf(DrawOp::FloodFill).empty());
}

TEST(DevicePicture, theLeftmostXFollowsEachKindOfLeftSurface) {
    struct Case {
        int kind;
        bool mirrorRule;
        int expected;
    };
    // Base line xL = 386 - 2 = 384 at width 5. Radius 344 over half aperture 162:
    // a convex lens surface bulges Trunc(344 - 303.47) = 40 pixels on the axis; a concave
    // one reaches 40 pixels out at its ends; a convex mirror's vertex is on the base line.
    const Case cases[] = {
        {kPlane, false, 384},
        {kConvex, false, 344},
        {kConvex, true, 384},
        {kConcave, false, 344},
    };
    for (const Case& c : cases) {
        BenchState bench = createdBench();
        bench.surfaceKind[1] = c.kind;
        if (c.mirrorRule || c.kind == kConcave) {
            bench.surfaceCentreDist[1] = 344.0;
        }
        RecordingCanvas canvas(769, 344);
        EXPECT_EQ(paintDevice(canvas, bench, drawingAt(5, c.mirrorRule)), c.expected)
            << "kind " << c.kind;
    }
}

TEST(DevicePicture, theGridIsNineDottedGreyLinesCentredOnTheDeviceRow) {
    BenchState bench = createdBench();
    RecordingCanvas canvas(769, 344);
    paintDevice(canvas, bench, drawingAt(5, false));
    std::vector<int> rows;
    for (const DrawCall& line : canvas.linesIn(colours::grey)) {
        if (line.pen.style == PenStyle::Dot) {
            EXPECT_EQ(line.args[0], 0);
            EXPECT_EQ(line.args[2], 769);
            rows.push_back(line.args[1]);
        }
    }
    // (i x 324) div 8 for i = -4..4, truncated toward zero, about row 174.
    EXPECT_EQ(rows, (std::vector<int>{12, 53, 93, 134, 174, 214, 255, 295, 336}));
}

TEST(DevicePicture, theAxisIsDrawnAfterTheFillAndSwitchesOff) {
    BenchState bench = createdBench();
    RecordingCanvas canvas(769, 344);
    paintDevice(canvas, bench, drawingAt(5, false));
    ASSERT_FALSE(canvas.calls.empty());
    const DrawCall& last = canvas.calls.back();
    EXPECT_EQ(last.op, DrawOp::Line);
    EXPECT_EQ(last.args, (std::vector<int>{0, 174, 769, 174}));
    EXPECT_EQ(last.pen.style, PenStyle::Solid);

    DeviceDrawing bare = drawingAt(5, false);
    bare.showAxis = false;
    bare.showGrid = false;
    RecordingCanvas plain(769, 344);
    paintDevice(plain, bench, bare);
    EXPECT_TRUE(plain.linesIn(colours::grey).empty());
}

TEST(DevicePicture, aSlowerRedrawSpeedDrawsCurvesWithFewerLongerSegments) {
    BenchState bench = createdBench();
    const auto outlineLines = [&](int speed) {
        DeviceDrawing drawing = drawingAt(5, false);
        drawing.redrawSpeed = speed;
        RecordingCanvas canvas(769, 344);
        paintDevice(canvas, bench, drawing);
        return canvas.linesIn(kLightGrey).size();
    };
    EXPECT_LT(outlineLines(30), outlineLines(15));
    EXPECT_LT(outlineLines(15), outlineLines(6));
}

TEST(SchemeColours, colourAndBlackAndWhiteSchemes) {
    EXPECT_EQ(schemeColours(ColourScheme::Colour, false),
              (SchemeColours{0x00B9FF, 0xF0F0F0, 0xC7FDFE, 0xFFFFFF}));
    EXPECT_EQ(schemeColours(ColourScheme::Colour, true).source, 0xFFFFFFu);
    EXPECT_EQ(schemeColours(ColourScheme::BlackAndWhite, false),
              (SchemeColours{0, 0, 0xFFFFFF, 0xFFFFFF}));
    EXPECT_EQ(schemeColours(ColourScheme::BlackAndWhite, true).source, 0u);
}

}  // namespace
