// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/main_window_fixture.h"

namespace {

constexpr TColor kOrange = 0x00B9FF;

// The created window turned into a plane slab of the given width at zoom 1, with one
// source whose aim handle sits `aimOffset` pixels below the device centre.
struct SlabFixture : MainWindowFixture {
    explicit SlabFixture(int width = 100, int aimOffset = -40) {
        Treframain& w = window;
        w.leftcb.itemIndex = 0;
        w.rightcb.itemIndex = 0;
        w.bench.surfaceKind = {{kPlane, kPlane}};
        w.widthsb.initialise(5, 120, width);
        w.ShowNormals1.checked = false;
        w.ssh1.top = w.centerg.top + aimOffset;
        w.plotbtClick();
    }
    // Puts source 1 so that its ray comes from dx pixels left and dy pixels above its aim.
    void aimFrom(int dx, int dy) {
        window.dsh1.left = window.ssh1.left - dx;
        window.dsh1.top = window.ssh1.top - dy;
        window.plotbtClick();
    }
    // The incident rays end on the plane face, at bench x 384 - width / 2 + 1 + 2.
    std::vector<DrawCall> incidentRays() {
        const int faceX =
            window.bench.benchMidX - window.widthsb.position() / 2 + 1 + window.bench.deviceOffsetX;
        std::vector<DrawCall> rays;
        for (const DrawCall& line : bench().linesIn(window.bench.sourceColour)) {
            if (line.pen.width == 2 && line.args[2] == faceX) {
                rays.push_back(line);
            }
        }
        return rays;
    }
};

TEST(TracePass, theReadOutShowsTheFirstRaysAngleOfIncidenceToOneDecimal) {
    SlabFixture fixture;
    fixture.aimFrom(173, 100);  // atan(100 / 173) = 30.03 degrees
    EXPECT_EQ(fixture.window.ianglelb.caption, "Angle of Incidence is 30.0 Degrees.");
    fixture.aimFrom(300, 26);  // 4.95 degrees: one padding space
    EXPECT_EQ(fixture.window.ianglelb.caption, "Angle of Incidence is  5.0 Degrees.");
    fixture.aimFrom(300, 0);
    EXPECT_EQ(fixture.window.ianglelb.caption, "Angle of Incidence is  0.0 Degrees.");
}

TEST(TracePass, theAimHandleSnapsOntoTheLeftSurfaceTwoPixelsLeftOfTheEntry) {
    SlabFixture fixture(100);
    // Plane face at 384 - 50 + 1 = 335 in the device frame, drawn 2 pixels right: the
    // handle's centre (Left - 14 + 2) lies 2 pixels left of the entry at bench x 337.
    EXPECT_EQ(fixture.window.ssh1.left, 335 + 2 + 14 - 4);
    fixture.window.ssh1.left = 10;
    fixture.window.plotbtClick();
    EXPECT_EQ(fixture.window.ssh1.left, 347);
}

TEST(TracePass, afterAGeometryChangeEachSourceStandsHalfABenchBackAlongItsDirection) {
    SlabFixture fixture;
    Treframain& w = fixture.window;
    w.bench.sourceAngle[1] = 0.3;
    w.bench.geometryChanged = true;
    w.plotbtClick();
    // cos 0.3 x 172 = 164.3, sin 0.3 x 172 = 50.8
    EXPECT_EQ(w.dsh1.left, w.ssh1.left - 164);
    EXPECT_EQ(w.dsh1.top, w.ssh1.top - 50);
    EXPECT_FALSE(w.bench.geometryChanged);
    // The middle handle lies halfway.
    EXPECT_EQ(w.mid1.left, (w.dsh1.left + w.ssh1.left) / 2);
    EXPECT_EQ(w.mid1.top, (w.dsh1.top + w.ssh1.top) / 2);
}

TEST(TracePass, slitsThatWouldMissTheDeviceRunAlongItsTopEdge) {
    // Aim 5 pixels below the aperture top: slits 2 and 4 (15 and 30 above) are clamped.
    SlabFixture fixture(100, 0);
    Treframain& w = fixture.window;
    w.ssh1.top = w.planeim.top + w.bench.deviceOffsetY + w.bench.apertureTop + 5 - 2;
    w.dsh1.top = w.ssh1.top;  // horizontal rays
    w.slitCount = 5;
    fixture.bench().clear();
    w.plotbtClick();
    std::vector<int> entryRows;
    for (const DrawCall& ray : fixture.incidentRays()) {
        entryRows.push_back(ray.args[3]);
    }
    const int top = w.bench.apertureTop + w.bench.deviceOffsetY;
    EXPECT_EQ(entryRows, (std::vector<int>{top + 5, top, top + 20, top, top + 35}));
}

TEST(TracePass, withNoSourcesOnlyTheDeviceAndTheMarkerAreDrawn) {
    SlabFixture fixture;
    Treframain& w = fixture.window;
    w.sourceCount = 0;
    w.ianglelb.caption = "unchanged";
    const int aimLeft = w.ssh1.left;
    w.ssh1.left = aimLeft + 7;
    fixture.bench().clear();
    w.plotbtClick();
    EXPECT_TRUE(fixture.incidentRays().empty());
    EXPECT_EQ(w.ianglelb.caption, "unchanged");
    EXPECT_EQ(w.ssh1.left, aimLeft + 7);
    const auto rectangles = fixture.bench().callsOf(DrawOp::Rectangle);
    ASSERT_EQ(rectangles.size(), 1u);
    EXPECT_EQ(rectangles[0].args, (std::vector<int>{384, 172, 389, 177}));
    EXPECT_EQ(rectangles[0].pen.color, colours::red);
}

TEST(TracePass, aPointSourceTracesThreeRaysWhateverTheNumberOfSources) {
    SlabFixture fixture;
    fixture.window.Pointsource1.checked = true;
    fixture.bench().clear();
    fixture.window.plotbtClick();
    EXPECT_EQ(fixture.incidentRays().size(), 3u);
}

TEST(TracePass, threeColoursSeparateWithBlueBendingMost) {
    MainWindowFixture fixture;  // the created double convex lens
    Treframain& w = fixture.window;
    w.ShowLightsource1.checked = false;  // the torch's strokes would share the ray pen
    w.threeclrb.setChecked(true);
    EXPECT_EQ(w.bench.colourCount, 3);
    EXPECT_EQ(w.bench.sourceColour, colours::white);
    EXPECT_EQ(w.bench.rayColours[1], colours::red);

    const auto emergentSlope = [&](TColor colour) {
        DrawCall out;
        for (const DrawCall& line : fixture.bench().linesIn(colour)) {
            if (line.pen.style == PenStyle::Solid) {
                out = line;  // the last solid one: the emergent ray, not a normal
            }
        }
        return static_cast<double>(out.args[3] - out.args[1]) / (out.args[2] - out.args[0]);
    };
    // Above the axis a converging lens bends the rays down: the more, the denser the glass.
    const double red = emergentSlope(colours::red);
    const double green = emergentSlope(colours::green);
    const double blue = emergentSlope(colours::blue);
    EXPECT_GT(red, 0.0);
    EXPECT_LT(red, green);
    EXPECT_LT(green, blue);
    // The incident ray is drawn once per colour, in white.
    fixture.bench().clear();
    w.plotbtClick();
    EXPECT_EQ(fixture.bench().linesIn(colours::white).size(), 3u);
}

TEST(TracePass, colouredSegmentsAreThinWithThreeColoursOnlyOnceANormalHasBeenDrawn) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.ShowLightsource1.checked = false;
    w.threeclrb.setChecked(true);
    EXPECT_TRUE(w.ShowNormals1.checked);
    EXPECT_EQ(fixture.bench().linesIn(colours::blue).back().pen.width, 1);
    w.ShowNormals1.click();
    EXPECT_EQ(fixture.bench().linesIn(colours::blue).back().pen.width, 2);
}

TEST(TracePass, theMirrorEditionReflectsEveryRayInTheSourceColour) {
    StartedWindowFixture fixture("Spekvale");
    Treframain& w = fixture.window;
    fixture.bench().clear();
    w.plotbtClick();
    // Nothing of the ray passes the concave mirror, whose vertex is its rightmost point on
    // the device centre's column; nor is anything drawn inside the device.
    const int vertexX = w.benchCentre(w.centerg).x;
    std::vector<DrawCall> rays;  // the torch's beam strokes follow, one pixel wide
    for (const DrawCall& line : fixture.bench().linesIn(w.bench.sourceColour)) {
        if (line.pen.width == 2) {
            rays.push_back(line);
        }
    }
    ASSERT_EQ(rays.size(), 2u);  // the incident ray and the reflected one
    for (const DrawCall& line : rays) {
        EXPECT_LE(std::max(line.args[0], line.args[2]), vertexX);
    }
    // The reflected ray is 600 pixels long.
    const DrawCall& reflected = rays[1];
    EXPECT_NEAR(
        std::hypot(reflected.args[2] - reflected.args[0], reflected.args[3] - reflected.args[1]),
        600.0, 1.5);
}

TEST(TracePass, noCoordinateEverLeavesASaneRangeWhateverTheGeometry) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.sourceCount = 3;
    w.slitCount = 5;
    w.ShowCenters1.checked = true;
    w.Extendray1.checked = true;
    w.threeclrb.setChecked(true);
    for (int left = 1; left <= 3; ++left) {
        for (int right = 1; right <= 3; ++right) {
            for (int zoom : {7, 12, 40}) {
                for (int source : {-400, -1, 0, 1, 400}) {
                    w.leftcb.itemIndex = left - 1;
                    w.rightcb.itemIndex = right - 1;
                    w.bench.surfaceKind = {{left, right}};
                    w.scalesb.setPosition(zoom);
                    w.dsh1.top = w.ssh1.top + source;
                    w.dsh2.left = w.ssh2.left;  // a source right on its aim handle
                    w.dsh2.top = w.ssh2.top;
                    fixture.bench().clear();
                    w.plotbtClick();
                    for (const DrawCall& call : fixture.bench().calls) {
                        for (int value : call.args) {
                            ASSERT_LT(std::abs(value), 20'000'000);
                        }
                    }
                }
            }
        }
    }
}

}  // namespace
