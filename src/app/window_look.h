// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The program's colours and fonts, shared by its windows.
namespace look {

inline const QColor kCream = QColor::fromRgb(254, 253, 199);
inline const QColor kOptionsBrown = QColor::fromRgb(169, 150, 109);
inline const QColor kNavy = QColor::fromRgb(0, 0, 128);

// The layout's "System" font is the platform's interface font at the given pixel size.
QFont systemFont(int pixelSize);
QFont pixelFont(const QString& family, int pixelSize, bool bold);

// Paints a widget's background in one colour.
void fillBackground(QWidget* widget, QColor colour);

// Puts a window in the middle of the screen it is on.
void centreOnScreen(QWidget* window);

}  // namespace look
