// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "canvas/qt_canvas.h"

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
// enough to fit. A frame larger than the area starts at the area's top or left edge, so the
// title bar and the menus stay within reach and only the far side is cut off.
QPoint placedFrameTopLeft(const QRect& available, const QSize& frame, const QPoint& preferred);

// Puts a window's frame at `preferred`, kept inside the free area of its screen (the area
// the desktop's panels leave).
void placeOnScreen(QWidget* window, const QPoint& preferred);

// Puts a window in the middle of its screen's free area, kept inside it.
void centreOnScreen(QWidget* window);

}  // namespace look
