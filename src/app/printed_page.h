// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <vector>

class QPainter;

// A page being composed for the printer, in printer pixels: texts by their top-left corners
// and pictures stretched onto rectangles, painted in the order they were added. The page is
// kept whole until it is painted, so a job given up half-way never reaches the printer.
class PrintedPage {
  public:
    // In the painter's current font.
    void addText(QPoint topLeft, const QString& text);
    // Every pixel of the picture is taken unchanged: no smoothing, no lossy compression.
    void addPicture(const QRect& target, const QImage& picture);

    void paint(QPainter& painter) const;

  private:
    std::vector<std::function<void(QPainter&)>> items_;
};
