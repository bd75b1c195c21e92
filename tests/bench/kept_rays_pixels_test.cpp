// SPDX-License-Identifier: MIT
// The bench keeps the rays of the sources that do not move and hands them to the canvas to
// put back; whatever changes, the picture is the one drawing everything afresh gives.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

namespace {

// A canvas that never puts a figure back: every pass drawn afresh.
class FreshCanvas : public QtCanvas {
  public:
    using QtCanvas::QtCanvas;
    void drawFigure(const FigureKey& key, const FigureDrawing& draw) override {
        Canvas::drawFigure(key, draw);
    }
};

template <typename CanvasType>
CanvasFactory canvasesOf() {
    return [](int width, int height) { return std::make_unique<CanvasType>(width, height); };
}

// The same window twice, one keeping what it may, one drawing everything afresh, given the
// same actions.
struct TwoBenches {
    TwoBenches() {
        for (Treframain* w : {&kept, &fresh}) {
            w->FormActivate();
            w->N33.click();
            w->N52.click();
            w->threeclrb.setChecked(true);
            w->ShowNormals1.click();
            w->Extendray1.click();
        }
    }
    void both(const std::function<void(Treframain&)>& action) {
        action(kept);
        action(fresh);
    }
    // A few moves of source 2, so that sources 1 and 3 are kept and put back.
    void dragSourceTwo() {
        both([](Treframain& w) {
            w.dsh1MouseDown(w.dsh2, MouseButton::Left, 3, 3);
            for (const int dy : {1, 2, -1, 3}) {
                w.dsh1MouseMove(w.dsh2, 3, 3 + dy);
            }
        });
    }
    bool samePictures() const {
        return static_cast<const QtCanvas&>(*kept.planeim.canvas).image() ==
               static_cast<const QtCanvas&>(*fresh.planeim.canvas).image();
    }

    RecordingPlatform platform;
    Treframain kept{platform, canvasesOf<QtCanvas>()};
    Treframain fresh{platform, canvasesOf<FreshCanvas>()};
};

struct Change {
    const char* what;
    std::function<void(Treframain&)> apply;
};

TEST(KeptRays, everyChangeOfTheBenchRedrawsTheKeptSourcesAsDrawingAfreshWould) {
    const Change changes[] = {
        {"glass index", [](Treframain& w) { w.glassindex.setPosition(190); }},
        {"air index", [](Treframain& w) { w.airindex.setPosition(120); }},
        {"colour scheme", [](Treframain& w) { w.BW1.click(); }},
        {"one colour", [](Treframain& w) { w.Oneclrb.userClick(); }},
        {"normals off", [](Treframain& w) { w.ShowNormals1.click(); }},
        {"refraction off", [](Treframain& w) { w.ShowRefraction1.click(); }},
        {"zoom", [](Treframain& w) { w.scalesb.setPosition(20); }},
        {"width", [](Treframain& w) { w.widthsb.setPosition(60); }},
        {"radius", [](Treframain& w) { w.lradiussb.setPosition(14); }},
        {"slit width", [](Treframain& w) { w.slitsb.setPosition(30); }},
        {"device moved",
         [](Treframain& w) {
             w.dsh1MouseDown(w.centerg, MouseButton::Left, 2, 2);
             w.centergMouseMove(w.centerg, 12, -7);
             w.dsh1MouseUp(w.centerg, MouseButton::Left, 2, 2);
         }},
        {"source 1 moved by keys", [](Treframain& w) { w.moveHandleByKeys(w.dsh1, 0, 10); }},
    };
    for (const Change& change : changes) {
        TwoBenches benches;
        benches.dragSourceTwo();
        ASSERT_TRUE(benches.samePictures()) << "while dragging, before " << change.what;
        benches.both([&change](Treframain& w) {
            w.dsh1MouseUp(w.dsh2, MouseButton::Left, 3, 3);
            change.apply(w);
        });
        EXPECT_TRUE(benches.samePictures()) << change.what;
        benches.dragSourceTwo();
        EXPECT_TRUE(benches.samePictures()) << "dragging after " << change.what;
    }
}

}  // namespace
