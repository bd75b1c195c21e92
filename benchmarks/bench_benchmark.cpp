// SPDX-License-Identifier: MIT
// The bench's redraws at the largest load, beside one copy of the bench bitmap, the floor of
// any redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
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

// The screen of the desk, at a scale of 1, or the same desk at 2.
QScreen* deskAtScale(int scale) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (qRound(screen->devicePixelRatio()) == scale) {
            return screen;
        }
    }
    return QGuiApplication::primaryScreen();
}

// The largest load on the real window, shown offscreen on a screen of the given scale.
struct LoadedBenchOnScreen {
    explicit LoadedBenchOnScreen(int scale = 1) {
        QScreen* screen = deskAtScale(scale);
        view.setScreen(screen);
        view.move(screen->availableGeometry().topLeft());
        view.show();
        QApplication::processEvents();
        loadTheBench(window);
        view.sync();
        paintWhatWasAskedFor();
    }
    // What the event loop does next: deliver what the widgets posted, their repaints among
    // it.
    static void paintWhatWasAskedFor() { QCoreApplication::sendPostedEvents(); }
    NullPlatform platform;
    Treframain window{platform, qtCanvases()};
    MainWindowView view{window};
};

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

void sendMouse(MainWindowView& view, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QWindow* screen = view.windowHandle();
    QMouseEvent event(type, at, at, screen->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(screen, &event);
}

// The same move as the window system delivers it: through the real handle widget, the
// model, the sync of every widget and the repaint of what changed on the bench picture.
void dragStepOnScreen(benchmark::State& state, int scale) {
    LoadedBenchOnScreen bench(scale);
    Treframain& window = bench.window;
    MainWindowView& view = bench.view;
    PaintCounter painted(view.benchPicture());
    const auto at = [&](QPoint local) { return view.handleFor(window.dsh1)->mapTo(&view, local); };
    sendMouse(view, QEvent::MouseButtonPress, at({2, 2}), Qt::LeftButton, Qt::LeftButton);
    int step = 1;
    for (auto _ : state) {
        sendMouse(view, QEvent::MouseMove, at({3, 3 + step}), Qt::NoButton, Qt::LeftButton);
        LoadedBenchOnScreen::paintWhatWasAskedFor();
        step = -step;
    }
    if (!window.bench.handleHeld) {
        state.SkipWithError("the press did not reach the handle");
    }
    if (painted.paints == 0) {
        state.SkipWithError("the bench was never repainted");
    }
}

void sourceHandleDragStepOnScreen(benchmark::State& state) {
    dragStepOnScreen(state, 1);
}
BENCHMARK(sourceHandleDragStepOnScreen)->Unit(benchmark::kMicrosecond);

void sourceHandleDragStepOnScreenAtScale2(benchmark::State& state) {
    dragStepOnScreen(state, 2);
}
BENCHMARK(sourceHandleDragStepOnScreenAtScale2)->Unit(benchmark::kMicrosecond);

// A move without a button over the bench that changes nothing on it, between two rows far
// from any handle: the hint is said again and nothing is repainted.
void idleMoveOverTheBenchOnScreen(benchmark::State& state) {
    LoadedBenchOnScreen bench(static_cast<int>(state.range(0)));
    MainWindowView& view = bench.view;
    PaintCounter painted(view.benchPicture());
    const auto at = [&](QPoint local) { return view.benchPicture()->mapTo(&view, local); };
    int row = 119;
    for (auto _ : state) {
        sendMouse(view, QEvent::MouseMove, at({600, row}), Qt::NoButton, Qt::NoButton);
        LoadedBenchOnScreen::paintWhatWasAskedFor();
        row = row == 119 ? 120 : 119;
    }
    state.counters["paints"] = painted.paints;
}
BENCHMARK(idleMoveOverTheBenchOnScreen)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One arrow key on a focused source handle, as an auto-repeating key delivers it: through the
// widget, the whole drag it stands for (press, move, release), the sync and the repaint.
void sourceHandleArrowKeyOnScreen(benchmark::State& state) {
    LoadedBenchOnScreen bench;
    Treframain& window = bench.window;
    MainWindowView& view = bench.view;
    HandleWidget* handle = view.handleFor(window.dsh1);
    bool up = true;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, up ? Qt::Key_Up : Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(handle, &press);
        LoadedBenchOnScreen::paintWhatWasAskedFor();
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
