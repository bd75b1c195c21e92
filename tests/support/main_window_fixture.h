// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "canvas/recording_canvas.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

// A main window model on recording canvases and a recording platform, so that a test can
// read what was drawn and what was asked of the desktop.
struct MainWindowFixture {
    explicit MainWindowFixture(const std::string& executable = "Lumivex") {
        platform.executable = executable;
    }

    RecordingPlatform platform;
    Treframain window{platform, [](int width, int height) {
                          return std::make_unique<RecordingCanvas>(width, height);
                      }};

    RecordingCanvas& bench() { return static_cast<RecordingCanvas&>(window.planeCanvas()); }
    RecordingCanvas& devicePicture() { return static_cast<RecordingCanvas&>(window.lensCanvas()); }
};

// The same, started as the user starts it: the window has become active.
struct StartedWindowFixture : MainWindowFixture {
    explicit StartedWindowFixture(const std::string& executable = "Lumivex")
        : MainWindowFixture(executable) {
        window.FormActivate();
    }
};

// A measurement under way: Measure on and the bench clicked this many times.
inline void measureUnderWay(Treframain& w, int clicks) {
    w.domeasurecb.setChecked(true);
    for (int i = 0; i < clicks; ++i) {
        w.planeimMouseUp(MouseButton::Left, 100, 100);
    }
}
