// SPDX-License-Identifier: MIT
// One mouse move of a dragged source handle at the heaviest bench the menus allow: three
// sources of five slits each in three colours, normals, both extensions and the centres of
// curvature shown, on a thick lens with curved faces.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <memory>

#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "null_platform.h"
#include "shell/treframain.h"

namespace {

CanvasFactory qtCanvases() {
    return [](int width, int height) { return std::make_unique<QtCanvas>(width, height); };
}

void loadTheBench(Treframain& w) {
    w.rays11.tag = 3;
    w.Slits11.tag = 5;
    for (int i = 1; i <= 3; ++i) {
        w.sourceHandle(i).visible = w.aimHandle(i).visible = w.middleHandle(i).visible = true;
    }
    w.widthsb.initialise(5, 120, 80);
    w.threeclrb.setChecked(true);
    for (MenuItem* item : {&w.ShowCenters1, &w.Extendray1, &w.incidentray1}) {
        if (!item->checked) {
            item->click();
        }
    }
}

// The handler and the trace it runs: the model's share of one move.
void sourceHandleMove(benchmark::State& state) {
    NullPlatform platform;
    Treframain window(platform, qtCanvases());
    window.FormActivate();
    loadTheBench(window);
    window.dsh1MouseDown(window.dsh1, MouseButton::Left, 2, 2);
    int step = 1;
    for (auto _ : state) {
        // The mouse 3 pixels into the handle keeps it in place; one pixel more or less
        // moves it up and down.
        window.dsh1MouseMove(window.dsh1, 3, 3 + step);
        step = -step;
        benchmark::DoNotOptimize(window.planeCanvas().pixel(0, 0));
    }
}
BENCHMARK(sourceHandleMove)->Unit(benchmark::kMicrosecond);

// The same move as the window system delivers it: through the real handle widget, the
// model, the sync of every widget and a repaint of the bench picture.
void sourceHandleMoveOnScreen(benchmark::State& state) {
    NullPlatform platform;
    Treframain window(platform, qtCanvases());
    MainWindowView view(window);
    view.show();
    QApplication::processEvents();
    loadTheBench(window);
    view.sync();
    QWindow* screen = view.windowHandle();
    const auto send = [&](QEvent::Type type, QPoint local, Qt::MouseButton button) {
        const QPoint at = view.handleFor(window.dsh1)->mapTo(&view, local);
        QMouseEvent event(type, at, at, screen->mapToGlobal(at), button, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(screen, &event);
    };
    send(QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        send(QEvent::MouseMove, {3, 3 + step}, Qt::NoButton);
        view.benchPicture()->repaint();
        step = -step;
    }
    if (!window.bench.handleDragging) {
        state.SkipWithError("the press did not reach the handle");
    }
}
BENCHMARK(sourceHandleMoveOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
