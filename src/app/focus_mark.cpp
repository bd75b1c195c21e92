// SPDX-License-Identifier: MIT
#include "app/focus_mark.h"

#include <QPainter>

namespace {

// The ring lies this far outside the handle and is this thick.
constexpr int kGap = 1;
constexpr int kThickness = 2;
constexpr int kMargin = kGap + kThickness;

}  // namespace

FocusMark::FocusMark(QWidget* parent, std::function<bool(QPoint)> mayCover)
    : QWidget(parent), mayCover_(std::move(mayCover)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void FocusMark::follow(QWidget* target) {
    target_ = target;
    refresh();
}

void FocusMark::refresh() {
    if (target_ == nullptr || target_->isHidden()) {
        hide();
        return;
    }
    setGeometry(target_->geometry().adjusted(-kMargin, -kMargin, kMargin, kMargin));
    // Above the pictures, below the handles, which it does not overlap.
    stackUnder(target_);
    show();
    update();
}

void FocusMark::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect inner = rect().adjusted(kThickness, kThickness, -kThickness, -kThickness);
    for (int y = 0; y < height(); ++y) {
        for (int x = 0; x < width(); ++x) {
            const QPoint pixel(x, y);
            if (inner.contains(pixel) || !mayCover_(pos() + pixel)) {
                continue;
            }
            painter.fillRect(x, y, 1, 1, (x + y) % 2 == 0 ? Qt::black : Qt::white);
        }
    }
}
