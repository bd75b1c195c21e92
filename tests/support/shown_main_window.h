// SPDX-License-Identifier: MIT
#pragma once

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QWindow>
#include <memory>
#include <string>

#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

// The main window on screen (offscreen), on real pictures, driven through its window as the
// window system drives it, so that Qt's own mouse grab decides which widget gets each event.
struct ShownMainWindow {
    // `screen` is the screen size the model is told of, which it centres the window on.
    explicit ShownMainWindow(const std::string& executable = "Lumivex",
                             ScreenSize screen = ScreenSize{1280, 1024}) {
        platform.executable = executable;
        platform.screen = screen;
        view.show();
        QApplication::processEvents();
    }
    RecordingPlatform platform;
    Treframain model{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    MainWindowView view{model};

    QPoint at(const QWidget* widget, QPoint local) const { return widget->mapTo(&view, local); }
    void mouse(QEvent::Type type, QPoint inWindow, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
        QWindow* window = view.windowHandle();
        QMouseEvent event(type, inWindow, inWindow, window->mapToGlobal(inWindow), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(window, &event);
    }
    void press(QPoint inWindow) {
        mouse(QEvent::MouseButtonPress, inWindow, Qt::LeftButton, Qt::LeftButton);
    }
    void drag(QPoint inWindow) { mouse(QEvent::MouseMove, inWindow, Qt::NoButton, Qt::LeftButton); }
    void hover(QPoint inWindow) { mouse(QEvent::MouseMove, inWindow, Qt::NoButton, Qt::NoButton); }
    void release(QPoint inWindow) {
        mouse(QEvent::MouseButtonRelease, inWindow, Qt::LeftButton, Qt::NoButton);
    }
    QImage benchImage() const {
        return static_cast<const QtCanvas&>(*model.planeim.canvas).image().copy();
    }

    // The menu item with this caption, wherever it sits in the menu bar.
    QAction* menuAction(const QString& text) const {
        return findIn(view.menuBar()->actions(), text);
    }

  private:
    static QAction* findIn(const QList<QAction*>& actions, const QString& text) {
        for (QAction* action : actions) {
            if (action->text() == text) {
                return action;
            }
            if (action->menu() != nullptr) {
                if (QAction* found = findIn(action->menu()->actions(), text)) {
                    return found;
                }
            }
        }
        return nullptr;
    }
};
