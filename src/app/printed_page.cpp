// SPDX-License-Identifier: MIT
#include "app/printed_page.h"

#include <QFontMetrics>
#include <QPainter>

void PrintedPage::addText(QPoint topLeft, const QString& text) {
    items_.emplace_back([topLeft, text](QPainter& painter) {
        painter.drawText(topLeft + QPoint(0, painter.fontMetrics().ascent()), text);
    });
}

void PrintedPage::addPicture(const QRect& target, const QImage& picture) {
    items_.emplace_back(
        [target, picture](QPainter& painter) { painter.drawImage(target, picture); });
}

void PrintedPage::paint(QPainter& painter) const {
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    for (const auto& item : items_) {
        item(painter);
    }
}
