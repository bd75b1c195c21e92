// SPDX-License-Identifier: MIT
// The bench as the window's creation leaves it, before the edition's set-up.
#include "bench/bench_layer.h"

namespace {

// The main window's outer size as it opens.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

}  // namespace

void BenchLayer::FormCreate() {
    rightcb.itemIndex = 1;
    leftcb.itemIndex = 1;
    showReadout(bench.create(benchSettings()));
    form.height = kWindowHeight;
    form.width = kWindowWidth;
}
