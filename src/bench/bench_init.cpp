// SPDX-License-Identifier: MIT
// The bench as the window's creation leaves it, before the edition's set-up.
#include "bench/bench_layer.h"

namespace {

// The main window's outer size as it opens.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

}  // namespace

// Both kind boxes already show "Convex", as the layout leaves them, which is what the bench
// is created with.
void BenchLayer::FormCreate() {
    showReadout(bench.create(benchSettings()));
    form.height = kWindowHeight;
    form.width = kWindowWidth;
}
