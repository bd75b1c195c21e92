// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/main_window_fixture.h"

namespace {

// What one redraw put on a picture, comparable as a whole.
std::vector<std::string> drawingOf(const RecordingCanvas& canvas) {
    std::vector<std::string> drawing;
    for (const DrawCall& call : canvas.calls) {
        std::string line = std::to_string(static_cast<int>(call.op)) + ":";
        for (const int arg : call.args) {
            line += std::to_string(arg) + ",";
        }
        for (const Point point : call.points) {
            line += std::to_string(point.x) + "/" + std::to_string(point.y) + ",";
        }
        line += call.text + ":" + std::to_string(call.pen.color) + "/" +
                std::to_string(call.pen.width) + "/" +
                std::to_string(static_cast<int>(call.pen.style)) + ":" +
                std::to_string(call.brush.color);
        drawing.push_back(line);
    }
    return drawing;
}

struct Redraws : StartedWindowFixture {
    // Runs an action and returns what it drew on the device picture and the bench.
    template <typename Action>
    std::vector<std::string> drawnBy(Action action) {
        devicePicture().clear();
        bench().clear();
        action();
        std::vector<std::string> drawing = drawingOf(devicePicture());
        const std::vector<std::string> rays = drawingOf(bench());
        drawing.insert(drawing.end(), rays.begin(), rays.end());
        return drawing;
    }
};

TEST(ViewSwitches, eachFlipsItsCheckRedrawsAndTwiceRestoresThePicture) {
    Redraws fixture;
    Treframain& w = fixture.window;
    w.incidentray1.checked = true;
    w.dsh1MouseDown(w.dsh1, MouseButton::Left, 2, 2);  // so that the extension shows
    w.incidentray1.checked = false;
    const std::vector<std::string> before = fixture.drawnBy([&] { w.drawlensbtClick(); });

    for (MenuItem* item :
         {&w.ShowCenters1, &w.ShowRefraction1, &w.ShowPrincipalaxis1, &w.ShowLightsource1,
          &w.ShowNormals1, &w.Extendray1, &w.incidentray1, &w.ShowGridlines1, &w.FollowReflections1,
          &w.ShowFocalPoints1, &w.ShowDirections1}) {
        const bool wasChecked = item->checked;
        const std::vector<std::string> toggled = fixture.drawnBy([&] { item->click(); });
        EXPECT_NE(item->checked, wasChecked) << item->caption;
        EXPECT_FALSE(toggled.empty()) << item->caption;
        // Whether a torch shows is up to the light sources' drawing, and the ray at start is
        // not internally reflected; the switch redraws.
        if (item != &w.ShowLightsource1 && item != &w.FollowReflections1) {
            EXPECT_NE(toggled, before) << item->caption;
        }
        EXPECT_EQ(fixture.drawnBy([&] { item->click(); }), before) << item->caption;
    }
}

TEST(ViewSwitches, showFocalPointsMarksEachWithACrossAndTheLetterFInTheAxisColour) {
    Redraws fixture;
    Treframain& w = fixture.window;
    fixture.drawnBy([&] { w.ShowFocalPoints1.click(); });
    std::vector<Point> letters;
    for (const DrawCall& call : fixture.bench().calls) {
        if (call.op == DrawOp::Text && call.text == "F") {
            EXPECT_EQ(call.font.color, colours::grey);
            EXPECT_EQ(call.brush.style, BrushStyle::Clear);
            letters.push_back({call.args[0], call.args[1]});
        }
    }
    // The start's double convex lens: one on each side, on the axis, above each cross.
    ASSERT_EQ(letters.size(), 2u);
    const int axis = w.benchCentre(w.centerg).y;
    EXPECT_LT(letters[0].x, w.benchCentre(w.centerg).x);
    EXPECT_GT(letters[1].x, w.benchCentre(w.centerg).x);
    for (const Point letter : letters) {
        EXPECT_LT(letter.y, axis);
        std::size_t crossLines = 0;
        for (const DrawCall& line : fixture.bench().linesIn(colours::grey)) {
            const int midX = (line.args[0] + line.args[2]) / 2;
            const int midY = (line.args[1] + line.args[3]) / 2;
            crossLines += std::abs(midX - (letter.x + 3)) <= 1 && std::abs(midY - axis) <= 1;
        }
        EXPECT_EQ(crossLines, 2u);
    }
}

TEST(ViewSwitches, followInternalReflectionsTakesTheTurnedRayOutOfTheSemiCircularPrism) {
    Redraws fixture;
    Treframain& w = fixture.window;
    w.SemicircularPrismRight1.click();
    w.ShowRefraction1.click();
    // A level ray 130 pixels above the axis: the curve turns it back at 49 degrees.
    const int row = w.bench.benchMidY - 130;
    w.moveHandleByKeys(w.ssh1, 0, row - w.benchCentre(w.ssh1).y);
    w.moveHandleByKeys(w.dsh1, 0, row - w.benchCentre(w.dsh1).y);
    const auto kinds = [&w] {
        std::vector<StrokeKind> found;
        for (const Stroke& stroke : w.bench.tracedRays.at(0).strokes) {
            found.push_back(stroke.kind);
        }
        return found;
    };
    ASSERT_EQ(kinds().back(), StrokeKind::Reflected);  // the stub

    w.FollowReflections1.click();
    EXPECT_EQ(kinds().back(), StrokeKind::Emergent);
    EXPECT_EQ(w.bench.tracedRays.at(0).exit.surface, ExitSurface::Left);
}

TEST(RedrawSpeed, setsTheOutlineStepAndTheCaption) {
    Redraws fixture;
    Treframain& w = fixture.window;
    const struct {
        MenuItem* item;
        int step;
        const char* caption;
    } speeds[] = {{&w.Slow1, 30, "Redraw Speed (Slow)"},
                  {&w.Fast1, 6, "Redraw Speed (Fast)"},
                  {&w.Med1, 15, "Redraw Speed (Med)"}};
    std::vector<std::size_t> outlineLines;
    for (const auto& speed : speeds) {
        fixture.devicePicture().clear();
        speed.item->click();
        EXPECT_EQ(w.bench.redrawSpeed, speed.step);
        EXPECT_EQ(w.REdrawspeed1.caption, speed.caption);
        outlineLines.push_back(fixture.devicePicture().linesIn(w.bench.deviceOutlineColour).size());
    }
    // Slow traces the curved faces in fewer, longer segments than Medium, Medium than Fast.
    EXPECT_LT(outlineLines[0], outlineLines[2]);
    EXPECT_LT(outlineLines[2], outlineLines[1]);
}

TEST(AutoHide, onGrowsTheBenchSlidesTheGroupAndCentresTheDevice) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.dsh1.top = 150;
    const int sourceTop = w.dsh1.top;
    const int hiddenAimTop = w.ssh3.top;
    ASSERT_EQ(w.centerg.top, 186);

    w.On1.click();
    EXPECT_EQ(w.Autohide.caption, "&Auto Hide (On)");
    EXPECT_TRUE(w.autoHide);
    EXPECT_EQ(w.Panel1.height, 523);
    EXPECT_EQ(w.planeim.height, 495);
    EXPECT_EQ(w.lensim.height, 495);
    EXPECT_EQ(fixture.bench().height(), 495);
    EXPECT_EQ(fixture.devicePicture().height(), 495);
    // The device's centre (Top + 2) sits on the middle row of the taller bench.
    EXPECT_EQ(w.centerg.top - 14 + 2, 495 / 2 + 2);
    EXPECT_EQ(w.dsh1.top - sourceTop, 75);
    EXPECT_EQ(w.ssh3.top - hiddenAimTop, 75);
    EXPECT_EQ(w.bench.deviceOffsetY, 77);
    EXPECT_EQ(w.bench.benchMidY, 172);
    EXPECT_EQ(w.GroupBox1.top, 384);

    w.planeimMouseMove(300, 300);
    EXPECT_EQ(w.GroupBox1.top, 532);
    w.Panel2MouseMove(10, 10);
    EXPECT_EQ(w.GroupBox1.top, 385);
    w.planeimMouseMove(300, 300);

    w.Off1.click();
    EXPECT_EQ(w.Autohide.caption, "&Auto Hide (Off)");
    EXPECT_EQ(w.Panel1.height, 372);
    EXPECT_EQ(w.planeim.height, 344);
    EXPECT_EQ(fixture.bench().height(), 344);
    EXPECT_EQ(w.GroupBox1.top, 385);
    EXPECT_EQ(w.centerg.top, 186);
    EXPECT_EQ(w.dsh1.top, sourceTop);
}

TEST(AutoHide, whenOffTheGroupStaysPut) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.planeimMouseMove(300, 300);
    EXPECT_EQ(w.GroupBox1.top, 384);
    w.GroupBox1.top = 200;
    w.Panel2MouseMove(10, 10);
    EXPECT_EQ(w.GroupBox1.top, 200);
}

TEST(Hints, theOptionsGroupsControlsExplainThemselves) {
    StartedWindowFixture fixture;
    Treframain& w = fixture.window;
    w.resetbtMouseMove();
    EXPECT_EQ(w.hintslb.caption,
              "Moves lens to center of the screen and resets magnifaction to original size.");
    w.zoomlbMouseMove();
    EXPECT_EQ(w.hintslb.caption, "Zooms in or out on the optical device.");
    w.taboptions.setPageIndex(1);
    EXPECT_EQ(w.hintslb.caption, "Select type of measurement needed and protractor practice.");
    EXPECT_EQ(w.taboptions.pageIndex(), 1);
    w.taboptions.setPageIndex(0);
    EXPECT_EQ(w.hintslb.caption, "Use to adjust lens properties.");
    EXPECT_FALSE(w.hintsgb.visible);
}

}  // namespace
