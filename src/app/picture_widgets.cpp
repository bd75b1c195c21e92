// SPDX-License-Identifier: MIT
#include "app/picture_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "canvas/qt_canvas.h"

MouseButton modelButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

QColor toQColor(TColor colour) {
    return QColor::fromRgb(toQRgb(colour));
}

namespace {

void forwardPress(const MouseForwarding& mouse, QMouseEvent* event) {
    if (mouse.press) {
        const QPoint at = event->position().toPoint();
        mouse.press(modelButton(event->button()), at.x(), at.y());
    }
}

void forwardMove(const MouseForwarding& mouse, QMouseEvent* event) {
    if (mouse.move) {
        const QPoint at = event->position().toPoint();
        mouse.move(at.x(), at.y());
    }
}

void forwardRelease(const MouseForwarding& mouse, QMouseEvent* event) {
    if (mouse.release) {
        const QPoint at = event->position().toPoint();
        mouse.release(modelButton(event->button()), at.x(), at.y());
    }
}

}  // namespace

PictureWidget::PictureWidget(const Picture& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (const auto* canvas = dynamic_cast<const QtCanvas*>(picture_.canvas.get())) {
        painter.drawImage(0, 0, canvas->image());
    }
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    forwardPress(mouse, event);
}
void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    forwardMove(mouse, event);
}
void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    forwardRelease(mouse, event);
}

HandleWidget::HandleWidget(HandleLook look, QWidget* parent) : QWidget(parent), look_(look) {
    setMouseTracking(true);
    resize(5, 5);
}

void HandleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(look_.pen, 1));
    painter.setBrush(look_.brush.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(look_.brush));
    const QRect box(0, 0, width() - 1, height() - 1);
    if (look_.kind == ShapeKind::Circle) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawEllipse(box);
    } else {
        painter.drawRect(box);
    }
}

void HandleWidget::mousePressEvent(QMouseEvent* event) {
    forwardPress(mouse, event);
}
void HandleWidget::mouseMoveEvent(QMouseEvent* event) {
    forwardMove(mouse, event);
}
void HandleWidget::mouseReleaseEvent(QMouseEvent* event) {
    forwardRelease(mouse, event);
}

BevelPanel::BevelPanel(QColor colour, int bevelWidth, int borderWidth, QWidget* parent)
    : QWidget(parent), colour_(colour), bevelWidth_(bevelWidth), borderWidth_(borderWidth) {
    setMouseTracking(true);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor light = colour_.lighter(260);
    const QColor dark = colour_.darker(160);
    QRect box = rect();
    const auto bevel = [&](QColor topLeft, QColor bottomRight) {
        for (int i = 0; i < bevelWidth_; ++i) {
            painter.setPen(topLeft);
            painter.drawLine(box.left(), box.top(), box.right(), box.top());
            painter.drawLine(box.left(), box.top(), box.left(), box.bottom());
            painter.setPen(bottomRight);
            painter.drawLine(box.left(), box.bottom(), box.right(), box.bottom());
            painter.drawLine(box.right(), box.top(), box.right(), box.bottom());
            box.adjust(1, 1, -1, -1);
        }
    };
    bevel(light, dark);
    painter.fillRect(box, colour_);
    box.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    bevel(dark, light);
}

void BevelPanel::mouseMoveEvent(QMouseEvent* event) {
    if (mouseMove) {
        const QPoint at = event->position().toPoint();
        mouseMove(at.x(), at.y());
    }
}

void fillBackground(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
