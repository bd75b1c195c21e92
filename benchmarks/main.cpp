// SPDX-License-Identifier: MIT
// One benchmark program for the whole project. The benchmarks draw text and build the real
// windows, so they run inside an application object on Qt's offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>

#include "canvas/picture_memory.h"
#include "copy_ratio_reporter.h"
#include "fixtures.h"

int main(int argc, char** argv) {
    // As the program starts.
    handFreedPicturesBack();
    // Qt takes the first screen by name as the primary one.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" LIGHTBOX_OFFSCREEN_SCREENS);
    const auto started = std::chrono::steady_clock::now();
    QApplication application(argc, argv);
    applicationStartTime() = std::chrono::steady_clock::now() - started;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CopyRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
