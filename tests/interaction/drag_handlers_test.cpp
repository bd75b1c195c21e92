// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "support/main_window_fixture.h"

namespace {

constexpr double kAngleTolerance = 1e-12;
constexpr double kPi = std::numbers::pi;

// The created window at zoom 1 (device centre at bench (386, 174), offsets 2 and 2), its
// convex lens of radius 344 and source 1 on the axis row, Top 186.
struct OnAxis : MainWindowFixture {
    OnAxis() {
        window.dsh1.top = window.ssh1.top = 186;
        window.plotbtClick();
    }
    // A press on the handle, then one move with the mouse at (x, y) relative to it.
    void drag(Shape& handle, int x, int y) {
        window.dsh1MouseDown(handle, MouseButton::Left, 2, 2);
        move(handle, x, y);
    }
    void move(Shape& handle, int x, int y) {
        if (&handle == &window.centerg) {
            window.centergMouseMove(handle, x, y);
        } else if (handle.kind == ShapeKind::Square) {
            window.mid1MouseMove(handle, x, y);
        } else {
            window.dsh1MouseMove(handle, x, y);
        }
    }
};

// The same with a plane slab 100 pixels wide: its left face meets every ray at device
// x 335, so an aim handle's Left is 335 + 2 + 14 - 4 = 347.
struct SlabDrag : OnAxis {
    SlabDrag() {
        Treframain& w = window;
        w.leftcb.itemIndex = 0;
        w.rightcb.itemIndex = 0;
        w.bench.surfaceKind = {{kPlane, kPlane}};
        w.widthsb.initialise(5, 120, 100);
        w.drawlensbtClick();
    }
};

TEST(SourceDrag, followsTheMouseTurnsTheRayAndRetraces) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    ASSERT_EQ(w.ssh1.left, 347);
    ASSERT_EQ(w.ssh1.top, 186);
    // Mouse 3 pixels right of and below the corner it should take: (247, 286), 100 pixels
    // left of and below the aim handle.
    fixture.bench().clear();
    fixture.drag(w.dsh1, 247 - 80 + 3, 286 - 186 + 3);

    EXPECT_EQ(w.dsh1.left, 247);
    EXPECT_EQ(w.dsh1.top, 286);
    EXPECT_NEAR(w.bench.sourceAngle[1], -kPi / 4, kAngleTolerance);
    EXPECT_EQ(w.mid1.left, (247 + 347) / 2);
    EXPECT_EQ(w.mid1.top, (286 + 186) / 2);
    // The new incident ray climbs 45 degrees onto the face at bench (337, 174).
    bool found = false;
    for (const DrawCall& line : fixture.bench().linesIn(w.bench.sourceColour)) {
        found = found || line.args == std::vector<int>{237, 274, 337, 174};
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(w.ianglelb.caption, "Angle of Incidence is 45.0 Degrees.");
}

TEST(SourceDrag, staysLeftOfTheDeviceButMayLeaveThePictureUpOrDown) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    fixture.drag(w.dsh1, 1000, -100000);
    EXPECT_EQ(w.dsh1.left, w.bench.deviceLeftX - 5);
    EXPECT_EQ(w.dsh1.top, 186 - 100003);
    EXPECT_TRUE(std::isfinite(w.bench.sourceAngle[1]));

    fixture.move(w.dsh1, -100000, 200000);
    EXPECT_EQ(w.dsh1.left, w.bench.deviceLeftX - 5 - 100003);
    EXPECT_TRUE(std::isfinite(w.bench.sourceAngle[1]));
}

TEST(SourceDrag, straightAboveItsAimPointsDownAndOnItKeepsTheLastDirection) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    // A device far to the right lets the source reach the aim handle's column.
    w.bench.deviceLeftX = 2000;
    fixture.drag(w.dsh1, 347 - 80 + 3, 86 - 186 + 3);
    EXPECT_NEAR(w.bench.sourceAngle[1], kPi / 2, kAngleTolerance);

    w.bench.sourceAngle[1] = 0.25;
    fixture.move(w.dsh1, 3, w.ssh1.top - w.dsh1.top + 3);
    ASSERT_EQ(w.dsh1.left, w.ssh1.left);
    ASSERT_EQ(w.dsh1.top, w.ssh1.top);
    EXPECT_DOUBLE_EQ(w.bench.sourceAngle[1], 0.25);
}

TEST(AimDrag, slidesAlongTheFaceAndStopsInsideTheAperture) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    w.dsh1.left = 147;
    fixture.drag(w.ssh1, 0, 100);
    EXPECT_EQ(w.ssh1.top, 286);
    EXPECT_EQ(w.ssh1.left, 347);
    EXPECT_NEAR(w.bench.aimHeightRatio[1], 100 / 324.0, kAngleTolerance);
    EXPECT_NEAR(w.bench.sourceAngle[1], std::atan(0.5), kAngleTolerance);

    const struct {
        int y;
        int top;  // planeim.Top + deviceOffsetY + apertureTop + 1, or ... apertureBottom - 3
    } limits[] = {{-5000, 14 + 2 + 10 + 1}, {5000, 14 + 2 + 334 - 3}};
    for (const auto& limit : limits) {
        fixture.move(w.ssh1, 0, limit.y);
        EXPECT_EQ(w.ssh1.top, limit.top) << limit.y;
    }
}

TEST(AimDrag, onTheConvexFaceTheHandleFollowsTheCurve) {
    OnAxis fixture;
    Treframain& w = fixture.window;
    // Radius 344, chord 324: the face bulges 40.5 pixels on the axis and meets the
    // aperture ends; device x = 384 - 2 + offset, the handle 2 + 14 - 4 further.
    const struct {
        int top;
        int left;
    } rows[] = {{186 - 2, 384 - 2 - 40 + 12}, {27, 384 - 2 - 1 + 12}};
    for (const auto& row : rows) {
        w.dsh1MouseDown(w.ssh1, MouseButton::Left, 2, 2);
        w.dsh1MouseMove(w.ssh1, 0, row.top - w.ssh1.top);
        EXPECT_EQ(w.ssh1.top, row.top);
        EXPECT_EQ(w.ssh1.left, row.left) << row.top;
    }
    EXPECT_NEAR(w.bench.aimHeightRatio[1], (27 - 186) / 324.0, kAngleTolerance);
}

TEST(MiddleDrag, onAPlaneFaceShiftsTheRayParallel) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    w.dsh1.top = 146;
    w.plotbtClick();
    w.bench.sourceAngle[1] = 0.15;
    const int sourceLeft = w.dsh1.left;
    fixture.drag(w.mid1, 1, 60);
    EXPECT_EQ(w.dsh1.top, 206);
    EXPECT_EQ(w.ssh1.top, 246);
    EXPECT_EQ(w.dsh1.left, sourceLeft);
    EXPECT_EQ(w.ssh1.left, 347);
    EXPECT_EQ(w.mid1.top, (206 + 246) / 2);
    EXPECT_DOUBLE_EQ(w.bench.sourceAngle[1], 0.15);

    // Far up, the aim stops at the top of the aperture and the source keeps its distance.
    fixture.move(w.mid1, 0, -1000);
    EXPECT_EQ(w.ssh1.top, 27);
    EXPECT_EQ(w.dsh1.top, 27 - 40);
}

TEST(MiddleDrag, onACurvedFaceTheAimSlidesButTheDirectionIsKept) {
    OnAxis fixture;
    Treframain& w = fixture.window;
    w.bench.sourceAngle[1] = 0.1;
    const int axisLeft = w.ssh1.left;
    w.dsh1MouseDown(w.mid1, MouseButton::Left, 2, 2);
    w.mid1MouseMove(w.mid1, 0, 27 - 186);
    EXPECT_EQ(w.ssh1.top, 27);
    EXPECT_EQ(w.dsh1.top, 27);
    EXPECT_EQ(w.ssh1.left, axisLeft + 39);
    EXPECT_DOUBLE_EQ(w.bench.sourceAngle[1], 0.1);
}

TEST(CentreDrag, carriesEveryHandleAndStaysOnThePicture) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    const struct {
        int x, y;
        int left, top;
    } moves[] = {
        {50, -30, 448, 156},
        {100000, 0, 14 + 769 - 4, 156},  // beyond the right edge: 4 pixels inside
        {0, 100000, 779, 14 + 344 - 4},  // beyond the bottom edge
        {-100000, -100000, 14, 14},      // beyond the left and top edges: on them
    };
    w.dsh1MouseDown(w.centerg, MouseButton::Left, 2, 2);
    for (const auto& move : moves) {
        const int left = w.centerg.left;
        const int top = w.centerg.top;
        const int hiddenSourceLeft = w.dsh3.left;
        const int hiddenAimTop = w.ssh3.top;
        w.centergMouseMove(w.centerg, move.x, move.y);
        EXPECT_EQ(w.centerg.left, move.left) << move.x;
        EXPECT_EQ(w.centerg.top, move.top) << move.y;
        EXPECT_EQ(w.dsh3.left - hiddenSourceLeft, move.left - left);
        EXPECT_EQ(w.ssh3.top - hiddenAimTop, move.top - top);
        EXPECT_EQ(w.bench.deviceOffsetX, move.left - 384 - 14 + 2);
        EXPECT_EQ(w.bench.deviceOffsetY, move.top - 172 - 14 + 2);
    }
}

TEST(HandleMouse, movesWithoutAPressOnlyShowTheHint) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    const struct {
        Shape* handle;
        const char* hint;
    } handles[] = {
        {&w.dsh1, "Drag to change angle of incident ray."},
        {&w.ssh1, "Drag to move point of contact of incident ray."},
        {&w.mid1, "Drag to move incident ray parallel"},
        {&w.centerg, "Drag to move position of lens."},
    };
    for (const auto& h : handles) {
        const int left = h.handle->left;
        const int top = h.handle->top;
        fixture.move(*h.handle, 40, 40);
        EXPECT_EQ(w.hintslb.caption, h.hint);
        EXPECT_EQ(h.handle->left, left);
        EXPECT_EQ(h.handle->top, top);
    }
}

TEST(HandleMouse, theDottedExtensionShowsOnlyWhileAHandleIsHeld) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.incidentray1.checked = true;
    const auto dottedBlackLines = [&] {
        int count = 0;
        for (const DrawCall& line : fixture.bench().linesIn(colours::black)) {
            count += line.pen.style == PenStyle::Dot ? 1 : 0;
        }
        return count;
    };
    fixture.bench().clear();
    w.dsh1MouseDown(w.dsh1, MouseButton::Left, 2, 2);
    EXPECT_TRUE(w.bench.handleHeld);
    EXPECT_EQ(dottedBlackLines(), 1);

    fixture.bench().clear();
    w.dsh1MouseUp(w.dsh1, MouseButton::Left, 2, 2);
    EXPECT_FALSE(w.bench.handleHeld);
    EXPECT_EQ(fixture.bench().callsOf(DrawOp::CopyRect).size(), 1u);
    EXPECT_EQ(dottedBlackLines(), 0);
}

TEST(HandleMouse, withoutExtendIncidentRayAReleaseDrawsNothing) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    fixture.bench().clear();
    for (int release = 1; release <= 4; ++release) {
        w.dsh1MouseDown(w.ssh1, MouseButton::Right, 2, 2);
        w.dsh1MouseUp(w.ssh1, MouseButton::Right, 2, 2);
    }
    // One redraw per press.
    EXPECT_EQ(fixture.bench().callsOf(DrawOp::CopyRect).size(), 4u);
}

// A handle still held when measuring begins counts its release as a click on the bench,
// past the end of the cycle: the next click brings the phase back.
TEST(HandleMouse, aHandleReleasedWhileMeasuringAdvancesThePhaseWithoutWrapping) {
    MainWindowFixture fixture;
    Treframain& w = fixture.window;
    w.dsh1MouseDown(w.ssh1, MouseButton::Left, 2, 2);
    measureUnderWay(w, 2);
    w.dsh1MouseUp(w.ssh1, MouseButton::Left, 2, 2);
    EXPECT_EQ(w.measuring.phase(), 3);
    EXPECT_FALSE(w.bench.handleHeld);
    w.planeimMouseUp(MouseButton::Left, 10, 10);
    EXPECT_EQ(w.measuring.phase(), 1);
}

TEST(HandleMouse, withAPointSourceEveryDragGathersTheSourcesOnSourceOne) {
    SlabDrag fixture;
    Treframain& w = fixture.window;
    w.Pointsource1.checked = true;
    fixture.drag(w.dsh1, 20, -30);
    for (const Shape* source : {&w.dsh2, &w.dsh3}) {
        EXPECT_EQ(source->left, w.dsh1.left);
        EXPECT_EQ(source->top, w.dsh1.top);
    }
    w.dsh2.left = 0;
    fixture.move(w.ssh2, 0, 10);
    EXPECT_EQ(w.dsh2.left, w.dsh1.left);
}

}  // namespace
