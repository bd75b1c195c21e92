// SPDX-License-Identifier: MIT
// The bench's redraws at the largest load a student can set up: three sources of five
// slits in three colours through a double convex lens, with normals, extensions and
// centres shown.
#include <benchmark/benchmark.h>

#include <memory>

#include "canvas/qt_canvas.h"
#include "null_platform.h"
#include "shell/treframain.h"

namespace {

struct LargestLoad {
    LargestLoad() {
        window.FormActivate();
        window.N33.click();
        window.N52.click();
        window.threeclrb.setChecked(true);
        for (MenuItem* on : {&window.ShowNormals1, &window.Extendray1, &window.ShowCenters1}) {
            if (!on->checked) {
                on->click();
            }
        }
    }
    NullPlatform platform;
    Treframain window{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
};

void benchBitmapCopy(benchmark::State& state) {
    LargestLoad load;
    Canvas& bench = load.window.planeCanvas();
    const Rect whole{0, 0, bench.width(), bench.height()};
    for (auto _ : state) {
        bench.copyRect(whole, load.window.lensCanvas(), whole);
    }
}
BENCHMARK(benchBitmapCopy);

void tracePassAtTheLargestLoad(benchmark::State& state) {
    LargestLoad load;
    for (auto _ : state) {
        load.window.plotbtClick();
    }
}
BENCHMARK(tracePassAtTheLargestLoad);

// Device redraw (which ends with a trace) at "Slow" 30, "Med" 15 and "Fast" 6.
void deviceRedrawAtRedrawSpeed(benchmark::State& state) {
    LargestLoad load;
    load.window.bench.redrawSpeed = static_cast<int>(state.range(0));
    for (auto _ : state) {
        load.window.drawlensbtClick();
    }
}
BENCHMARK(deviceRedrawAtRedrawSpeed)->Arg(30)->Arg(15)->Arg(6);

}  // namespace
