// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "canvas/qt_canvas.h"

class QScrollArea;
class QWidget;

// The program's colours and fonts, shared by its windows.
namespace look {

inline const QColor kCream = QColor::fromRgb(toQRgb(colours::cream));
inline const QColor kOptionsBrown = QColor::fromRgb(toQRgb(colours::optionsBrown));
inline const QColor kNavy = QColor::fromRgb(toQRgb(colours::navy));

// The layout's "System" font is the platform's interface font at the given pixel size.
QFont systemFont(int pixelSize);
QFont pixelFont(const QString& family, int pixelSize, bool bold);

// Paints a widget's background in one colour.
void fillBackground(QWidget* widget, QColor colour);

// Where a window's frame (title bar included) goes on a screen whose free area is
// `available`: at `preferred` where the whole frame fits there, otherwise moved just far
// enough to fit. A frame as large as the area either way (larger, or shrunk to fit it)
// starts at the area's top-left corner, so the title bar and the menus stay within reach.
QPoint placedFrameTopLeft(const QRect& available, const QSize& frame, const QPoint& preferred);

// The size of a window that wants `wanted` on a screen whose free area is `available`, its
// frame adding `frame` around it: as wanted where it fits, otherwise as large as the area
// leaves, never less than one pixel. Cut one way, the window grows the other way by
// `scrollBar` where there is room, to hold the scroll bar its content then needs.
QSize fittedWindowSize(const QSize& wanted, const QRect& available, const QMargins& frame,
                       int scrollBar);

// The window frame's margins, or, before a window manager has framed the window, a title bar
// of the style's height: a window sized without it would lose its bottom edge to the screen.
QMargins frameMarginsOf(const QWidget* window);

// The free area of the screen the window is on, or will open on; none without a screen.
QRect availableAreaOf(const QWidget* window);

// The width of the scroll bars a window's content scrolls by.
int scrollBarExtent(const QWidget* window);

// A frameless scroll area holding `content`, which it shows whole where there is room and
// scrolls where there is not; `content` keeps at least `contentSize`, where that is valid.
QScrollArea* scrollingHolder(QWidget* content, const QSize& contentSize, QWidget* parent);

// Puts a window's frame at `preferred`, kept inside the free area of its screen (the area
// the desktop's panels leave).
void placeOnScreen(QWidget* window, const QPoint& preferred);
// The same within a given free area.
void placeInArea(QWidget* window, const QPoint& preferred, const QRect& available);

// Puts a window in the middle of its screen's free area, kept inside it.
void centreOnScreen(QWidget* window);
void centreInArea(QWidget* window, const QRect& available);

}  // namespace look
