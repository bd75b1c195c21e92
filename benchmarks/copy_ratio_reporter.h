// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// The console's report, followed by every benchmark's time as a multiple of one copy of the
// bench bitmap measured in the same run: on a shared machine the absolute figures wander
// from day to day, the ratios much less.
class CopyRatioReporter : public benchmark::ConsoleReporter {
  public:
    // Coloured only on a terminal, as the library's own report is.
    CopyRatioReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) {
                continue;
            }
            const double time = run.GetAdjustedRealTime() * multiplierOf(run.time_unit);
            times_.emplace_back(run.benchmark_name(), time);
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        double copy = 0.0;
        for (const auto& [name, time] : times_) {
            if (name == kCopy) {
                copy = time;
            }
        }
        if (copy <= 0.0) {
            return;
        }
        std::printf("\nAs multiples of one copy of the bench bitmap (%s, %.1f us):\n", kCopy,
                    copy * 1e6);
        for (const auto& [name, time] : times_) {
            std::printf("  %-45s %8.2f x\n", name.c_str(), time / copy);
        }
    }

  private:
    static constexpr const char* kCopy = "benchBitmapCopy";

    static double multiplierOf(benchmark::TimeUnit unit) {
        switch (unit) {
            case benchmark::kNanosecond:
                return 1e-9;
            case benchmark::kMicrosecond:
                return 1e-6;
            case benchmark::kMillisecond:
                return 1e-3;
            default:
                return 1.0;
        }
    }

    std::vector<std::pair<std::string, double>> times_;
};
