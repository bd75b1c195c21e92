// SPDX-License-Identifier: MIT
// The program's start, from main to the first painted bench: the application object (timed
// once, in main), then the windows created in their order, the main window shown, set up
// and painted. Reports the memory the process holds afterwards.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <fstream>
#include <string>

#include "app/main_window_view.h"
#include "app/practice_view.h"
#include "fixtures.h"
#include "shell/application.h"

namespace {

double residentMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

void startUpToTheFirstPaintedBench(benchmark::State& state) {
    for (auto _ : state) {
        NullPlatform platform;
        ClockSeededRandom random(platform.clockSeed());
        Application application(platform, random, qtCanvases());
        MainWindowView mainWindow(application.reframain);
        PracticeView practice(application.Profrm, &mainWindow);
        mainWindow.show();
        mainWindow.benchPicture()->repaint();
        state.PauseTiming();
        state.counters["rss_MB"] = residentMegabytes();
        mainWindow.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["qt_application_ms"] = applicationStartTime().count();
}
BENCHMARK(startUpToTheFirstPaintedBench)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
