// SPDX-License-Identifier: MIT
// One redraw of the practice window's picture on each page, with its tool or handles.
#include <benchmark/benchmark.h>

#include "fixtures.h"
#include "practice/tprofrm.h"

namespace {

void practiceRedraw(benchmark::State& state) {
    NullPlatform platform;
    ClockSeededRandom random(7);
    TProfrm practice(platform, random, qtCanvases());
    practice.practicenb.setPageIndex(static_cast<int>(state.range(0)));
    practice.proimMouseMove(200, 120);  // the tool drawn where the mouse is
    for (auto _ : state) {
        practice.plotbtClick();
    }
}
BENCHMARK(practiceRedraw)->ArgName("page")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
