// SPDX-License-Identifier: MIT
#include "app/window_look.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <algorithm>

#include "controls/translation.h"

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
    // A window as large as the free area one way or the other (larger, or shrunk to fit it)
    // opens at the area's top-left corner, where its title bar and menus are in reach.
    if (frame.width() >= available.width() || frame.height() >= available.height()) {
        return available.topLeft();
    }
    return {placedStart(preferred.x(), frame.width(), available.x(), available.width()),
            placedStart(preferred.y(), frame.height(), available.y(), available.height())};
}

QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame,
                       int scrollBar) {
    const QSize room = available.size().shrunkBy(frame);
    QSize fitted = wanted.boundedTo(room);
    if (fitted.height() < wanted.height()) {
        fitted.setWidth(std::min(wanted.width() + scrollBar, room.width()));
    }
    if (fitted.width() < wanted.width()) {
        fitted.setHeight(std::min(wanted.height() + scrollBar, room.height()));
    }
    return fitted.expandedTo(QSize(1, 1));
}

int scrollBarExtent(const QWidget* window) {
    return window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
}

QMargins frameMarginsOf(const QWidget* window) {
    const QRect frame = window->frameGeometry();
    const QRect inside = window->geometry();
    const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
    if (!margins.isNull()) {
        return margins;
    }
    return QMargins(0, window->style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0);
}

QRect availableAreaOf(const QWidget* window) {
    const QScreen* screen = screenOf(window);
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QScrollArea* scrollingHolder(QWidget* content, const QSize& contentSize, QWidget* parent) {
    auto* holder = new QScrollArea(parent);
    holder->setFrameShape(QFrame::NoFrame);
    holder->setWidgetResizable(true);
    //: Spoken name of the scroll bar that moves a window's content sideways, shown when the
    //: window is larger than the screen.
    holder->horizontalScrollBar()->setAccessibleName(
        QString::fromStdString(text::translate("ScrollingWindow", "Window, across")));
    //: Spoken name of the scroll bar that moves a window's content up and down.
    holder->verticalScrollBar()->setAccessibleName(
        QString::fromStdString(text::translate("ScrollingWindow", "Window, up and down")));
    if (contentSize.isValid()) {
        content->setMinimumSize(contentSize);
    }
    holder->setWidget(content);
    return holder;
}

// Until a window manager has framed the window once, its frame is estimated; move() places
// the frame's top-left corner, so the title bar is never pushed off.
void placeOnScreen(QWidget* window, const QPoint& preferred) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        window->move(preferred);
        return;
    }
    placeInArea(window, preferred, screen->availableGeometry());
}

void placeInArea(QWidget* window, const QPoint& preferred, const QRect& available) {
    const QSize frame = window->size().grownBy(frameMarginsOf(window));
    window->move(placedFrameTopLeft(available, frame, preferred));
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = screenOf(window);
    if (screen == nullptr) {
        return;
    }
    centreInArea(window, screen->availableGeometry());
}

void centreInArea(QWidget* window, const QRect& available) {
    QRect frame(QPoint(0, 0), window->size().grownBy(frameMarginsOf(window)));
    frame.moveCenter(available.center());
    placeInArea(window, frame.topLeft(), available);
}

}  // namespace look
