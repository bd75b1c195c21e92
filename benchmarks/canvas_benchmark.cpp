// SPDX-License-Identifier: MIT
#include <benchmark/benchmark.h>

#include "canvas/qt_canvas.h"
#include "canvas/torch_icon.h"

namespace {

// The bench picture's size: every redraw copies one whole picture onto another.
constexpr int kBenchWidth = 769;
constexpr int kBenchHeight = 344;

void wholePictureCopy(benchmark::State& state) {
    QtCanvas source(kBenchWidth, kBenchHeight);
    QtCanvas dest(kBenchWidth, kBenchHeight);
    const Rect whole{0, 0, kBenchWidth, kBenchHeight};
    for (auto _ : state) {
        dest.copyRect(whole, source, whole);
        benchmark::DoNotOptimize(dest.image().constBits());
    }
}
BENCHMARK(wholePictureCopy);

// Rays across the whole picture at a spread of slopes, the bulk of a redraw, with pens of
// width 1 (the pixel loop) and 2 and 3 (QPainter).
void raysAcrossThePicture(benchmark::State& state) {
    QtCanvas canvas(kBenchWidth, kBenchHeight);
    canvas.pen.width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int ray = 0; ray < 100; ++ray) {
            canvas.moveTo(0, ray * 3);
            canvas.lineTo(kBenchWidth - 1, kBenchHeight - 1 - ray * 3);
        }
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.SetItemsProcessed(state.iterations() * 100);
}
BENCHMARK(raysAcrossThePicture)->Arg(1)->Arg(2)->Arg(3);

void wholePictureFloodFill(benchmark::State& state) {
    QtCanvas canvas(kBenchWidth, kBenchHeight);
    bool red = false;
    for (auto _ : state) {
        red = !red;
        canvas.brush.color = red ? colours::red : colours::white;
        canvas.floodFill(kBenchWidth / 2, kBenchHeight / 2, colours::black);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(wholePictureFloodFill);

// One torch, drawn as a dragged source's is (somewhere new each time, argument 0) and as a
// source's that stands still (argument 1), which the canvas puts back from its stamp.
void torchOnTheBench(benchmark::State& state) {
    QtCanvas canvas(kBenchWidth, kBenchHeight);
    const bool standingStill = state.range(0) == 1;
    int step = 0;
    for (auto _ : state) {
        const int row = standingStill ? kBenchHeight / 2 : 50 + step % (kBenchHeight - 100);
        canvas.pen = Pen{colours::orange, 1, PenStyle::Solid};
        drawTorchIcon(canvas, {200, row}, 0.1, TorchLook{true, colours::orange});
        benchmark::DoNotOptimize(canvas.image().constBits());
        ++step;
    }
}
BENCHMARK(torchOnTheBench)->Arg(0)->Arg(1);

}  // namespace
