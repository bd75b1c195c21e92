// SPDX-License-Identifier: MIT
// The bench's state as the window's creation leaves it, before the edition's set-up.
#include "bench/bench_layer.h"

namespace {

// The main window's outer size as it opens.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

}  // namespace

void BenchLayer::FormCreate() {
    bench = createdBench(planeim.width, planeim.height, lradiussb.position(), rradiussb.position());

    // The centre handle's top-left corner, not its centre, sits on the bench centre, so the
    // first trace finds the device 2 pixels right of and below the bench centre.
    centerg.top = planeim.height / 2 + planeim.top;
    centerg.left = planeim.width / 2 + planeim.left;

    bench.handleShapes = {{&dsh1, &dsh2, &dsh3, &ssh1, &ssh2, &ssh3, &mid1, &mid2, &mid3}};
    rightcb.itemIndex = 1;
    leftcb.itemIndex = 1;

    const double apertureHeight = bench.apertureBottom - bench.apertureTop;
    for (int i = 1; i <= 3; ++i) {
        bench.aimHeightRatio[i] = (aimHandle(i).top - centerg.top) / apertureHeight;
    }

    drawlensbtClick();

    form.height = kWindowHeight;
    form.width = kWindowWidth;
}
