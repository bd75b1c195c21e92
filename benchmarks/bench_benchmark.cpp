// SPDX-License-Identifier: MIT
// The bench's redraws at the largest load, beside one copy of the bench bitmap, the floor of
// any redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include "app/main_window_view.h"
#include "fixtures.h"

namespace {

struct LargestLoad {
    LargestLoad() {
        window.FormActivate();
        loadTheBench(window);
    }
    NullPlatform platform;
    Treframain window{platform, qtCanvases()};
};

void benchBitmapCopy(benchmark::State& state) {
    LargestLoad load;
    Canvas& bench = load.window.planeCanvas();
    const Rect whole{0, 0, bench.width(), bench.height()};
    for (auto _ : state) {
        bench.copyRect(whole, load.window.lensCanvas(), whole);
    }
}
BENCHMARK(benchBitmapCopy)->Unit(benchmark::kMicrosecond);

void tracePassAtTheLargestLoad(benchmark::State& state) {
    LargestLoad load;
    for (auto _ : state) {
        load.window.plotbtClick();
    }
}
BENCHMARK(tracePassAtTheLargestLoad)->Unit(benchmark::kMicrosecond);

// One move of a dragged source handle: the handler and the trace it runs.
void sourceHandleDragStep(benchmark::State& state) {
    LargestLoad load;
    Treframain& w = load.window;
    w.dsh1MouseDown(w.dsh1, MouseButton::Left, 2, 2);
    int step = 1;
    for (auto _ : state) {
        // The mouse 3 pixels into the handle keeps it in place; one pixel more or less
        // moves it up and down.
        w.dsh1MouseMove(w.dsh1, 3, 3 + step);
        step = -step;
    }
}
BENCHMARK(sourceHandleDragStep)->Unit(benchmark::kMicrosecond);

// The same move in a drag that sweeps the source 30 pixels down and back, so that the dragged
// torch is almost always somewhere it has not been lately (the step above rocks it between
// two places, where the canvas may keep both).
void sourceHandleSweepStep(benchmark::State& state) {
    constexpr int kSweep = 30;
    LargestLoad load;
    Treframain& w = load.window;
    w.dsh1MouseDown(w.dsh1, MouseButton::Left, 2, 2);
    int step = 0;
    for (auto _ : state) {
        const int direction = step / kSweep % 2 == 0 ? 1 : -1;
        w.dsh1MouseMove(w.dsh1, 3, 3 + direction);
        ++step;
    }
}
BENCHMARK(sourceHandleSweepStep)->Unit(benchmark::kMicrosecond);

// The largest load on the real window, shown offscreen.
struct LoadedBenchOnScreen {
    LoadedBenchOnScreen() {
        view.show();
        QApplication::processEvents();
        loadTheBench(window);
        view.sync();
    }
    NullPlatform platform;
    Treframain window{platform, qtCanvases()};
    MainWindowView view{window};
};

// The same move as the window system delivers it: through the real handle widget, the
// model, the sync of every widget and a repaint of the bench picture.
void sourceHandleDragStepOnScreen(benchmark::State& state) {
    LoadedBenchOnScreen bench;
    Treframain& window = bench.window;
    MainWindowView& view = bench.view;
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
    if (!window.bench.handleHeld) {
        state.SkipWithError("the press did not reach the handle");
    }
}
BENCHMARK(sourceHandleDragStepOnScreen)->Unit(benchmark::kMicrosecond);

// One arrow key on a focused source handle, as an auto-repeating key delivers it: through the
// widget, the whole drag it stands for (press, move, release), the sync and a repaint.
void sourceHandleArrowKeyOnScreen(benchmark::State& state) {
    LoadedBenchOnScreen bench;
    Treframain& window = bench.window;
    MainWindowView& view = bench.view;
    HandleWidget* handle = view.handleFor(window.dsh1);
    bool up = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(handle, &press);
        view.benchPicture()->repaint();
        up = !up;
    }
}
BENCHMARK(sourceHandleArrowKeyOnScreen)->Unit(benchmark::kMicrosecond);

// Device redraw (which ends with a trace) at "Slow" 30, "Med" 15 and "Fast" 6.
void deviceRedrawAtRedrawSpeed(benchmark::State& state) {
    LargestLoad load;
    load.window.bench.redrawSpeed = static_cast<int>(state.range(0));
    for (auto _ : state) {
        load.window.drawlensbtClick();
    }
}
BENCHMARK(deviceRedrawAtRedrawSpeed)->Arg(30)->Arg(15)->Arg(6)->Unit(benchmark::kMicrosecond);

// One mouse move of the measuring tool turning about its origin: a trace, then the tool.
// Argument 0 is the ruler, 1 the protractor.
void measuringToolMove(benchmark::State& state) {
    LargestLoad load;
    Treframain& w = load.window;
    w.taboptions.setPageIndex(1);
    w.domeasurecb.setChecked(true);
    (state.range(0) == 0 ? w.measurerb : w.Anglerb).setChecked(true);
    w.planeimMouseMove(300, 150);
    w.planeimMouseUp(MouseButton::Left, 300, 150);
    int step = 1;
    for (auto _ : state) {
        w.planeimMouseMove(500, 100 + step);
        step = -step;
    }
}
BENCHMARK(measuringToolMove)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
