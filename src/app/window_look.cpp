// SPDX-License-Identifier: MIT
#include "app/window_look.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace look {

namespace {

// One axis of the placement: no later than leaves the far edge inside the area, and no
// earlier than the area's start, which wins when the window is the larger.
int placedStart(int preferred, int length, int areaStart, int areaLength) {
    const int latestStart = areaStart + areaLength - length;
    return std::max(areaStart, std::min(preferred, latestStart));
}

// A window not yet shown may not know its screen; it will open on the primary one.
const QScreen* screenOf(const QWidget* window) {
    const QScreen* screen = window->screen();
    return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

QFont systemFont(int pixelSize) {
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    return font;
}

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void fillBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPoint placedFrameTopLeft(const QRect& available, const QSize& frame, const QPoint& preferred) {
    return {placedStart(preferred.x(), frame.width(), available.x(), available.width()),
            placedStart(preferred.y(), frame.height(), available.y(), available.height())};
}

// Until a window manager has framed the window once, the frame is taken to be the window
// itself; move() places the frame's top-left corner, so the title bar is never pushed off.
void placeOnScreen(QWidget* window, const QPoint& preferred) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        window->move(preferred);
        return;
    }
    window->move(
        placedFrameTopLeft(screen->availableGeometry(), window->frameGeometry().size(), preferred));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    placeOnScreen(window, frame.topLeft());
}

}  // namespace look
