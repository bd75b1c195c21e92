// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "canvas/recording_canvas.h"
#include "practice/tprofrm.h"
#include "support/recording_platform.h"
#include "support/sequence_random.h"

// The practice window on a recording canvas, a recording platform and a fixed sequence of
// random draws (repeated when it runs out).
struct PracticeWindow {
    explicit PracticeWindow(std::vector<double> draws = {0.5})
        : random(std::move(draws)), window(platform, random, [](int width, int height) {
              return std::make_unique<RecordingCanvas>(width, height);
          }) {}

    RecordingPlatform platform;
    SequenceRandom random;
    TProfrm window;

    RecordingCanvas& canvas() { return static_cast<RecordingCanvas&>(window.picture()); }

    // The last message box, or an empty one when none was shown.
    RecordedMessage lastMessage() const {
        return platform.messages.empty() ? RecordedMessage{"", "", MessageIcon::Information}
                                         : platform.messages.back();
    }

    // A click on the picture: the tool state advances on the release.
    void clickPicture(int x, int y) {
        window.proimMouseDown(MouseButton::Left, x, y);
        window.proimMouseUp(MouseButton::Left, x, y);
    }
};

// The segment as the recording canvas keeps it: x1 y1 x2 y2.
inline std::vector<int> segment(const DrawCall& call) {
    return call.args;
}
