// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <memory>
#include <stdexcept>

#include "app/practice_view.h"
#include "canvas/qt_canvas.h"
#include "practice/tprofrm.h"
#include "support/recording_platform.h"
#include "support/sequence_random.h"

// The practice window on real pictures, its widgets built, a fixed sequence of draws.
struct PracticeOnScreen {
    RecordingPlatform platform;
    SequenceRandom random{{0.5}};
    TProfrm model{platform, random,
                  [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    PracticeView view{model};

    template <typename W>
    W& widget(const char* name) {
        W* found = view.findChild<W*>(name);
        if (found == nullptr) {
            throw std::runtime_error(name);
        }
        return *found;
    }
    void showPage(int index) { widget<QTabWidget>("practicenb").tabBar()->setCurrentIndex(index); }
    // The window shown and active, the keyboard focus on `target`.
    void focusOn(QWidget& target) {
        view.show();
        view.activateWindow();
        QApplication::setActiveWindow(&view);
        target.setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
};
