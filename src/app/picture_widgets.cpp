// SPDX-License-Identifier: MIT
#include "app/picture_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <optional>

#include "app/grab_targets.h"
#include "canvas/qt_canvas.h"
#include "controls/handle_geometry.h"

QColor toQColor(TColor colour) {
    return QColor::fromRgb(toQRgb(colour));
}

namespace {

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

// The pixel under the mouse: on a scaled screen the position can fall between pixels.
QPoint pixelOf(const QMouseEvent* event) {
    return {qFloor(event->position().x()), qFloor(event->position().y())};
}

}  // namespace

MouseReportingWidget::MouseReportingWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void MouseReportingWidget::mousePressEvent(QMouseEvent* event) {
    if (!mouse.press) {
        event->ignore();
        return;
    }
    const QPoint at = pixelOf(event);
    mouse.press(modelButton(event->button()), at.x(), at.y());
}

void MouseReportingWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!mouse.move) {
        event->ignore();
        return;
    }
    const QPoint at = pixelOf(event);
    mouse.move(at.x(), at.y());
}

void MouseReportingWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!mouse.release) {
        event->ignore();
        return;
    }
    const QPoint at = pixelOf(event);
    mouse.release(modelButton(event->button()), at.x(), at.y());
}

namespace {

constexpr int kKeyStep = 1;
constexpr int kShiftKeyStep = 10;

// The move an arrow key asks for, or none for any other key.
std::optional<QPoint> arrowMove(const QKeyEvent* event) {
    const int step = event->modifiers().testFlag(Qt::ShiftModifier) ? kShiftKeyStep : kKeyStep;
    switch (event->key()) {
        case Qt::Key_Left:
            return QPoint(-step, 0);
        case Qt::Key_Right:
            return QPoint(step, 0);
        case Qt::Key_Up:
            return QPoint(0, -step);
        case Qt::Key_Down:
            return QPoint(0, step);
        default:
            return std::nullopt;
    }
}

}  // namespace

void MouseReportingWidget::keyPressEvent(QKeyEvent* event) {
    const std::optional<QPoint> move = arrowMove(event);
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (move && keys.move) {
        keys.move(move->x(), move->y());
    } else if (event->key() == Qt::Key_Home && keys.start) {
        keys.start();
    } else if ((event->key() == Qt::Key_Space || (enter && keys.enterClicks)) && keys.click) {
        keys.click();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void MouseReportingWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (keys.focused) {
        keys.focused();
    }
}

PictureWidget::PictureWidget(const Picture& picture, QWidget* parent)
    : MouseReportingWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PictureWidget::screenScale() const {
    return std::max(1, qRound(devicePixelRatioF()));
}

void PictureWidget::showChanges() {
    const auto* canvas = dynamic_cast<const QtCanvas*>(picture_.canvas.get());
    if (canvas == nullptr) {
        update();
        return;
    }
    const QRegion changed = shown_.take(canvas->image(), screenScale());
    if (!changed.isEmpty()) {
        update(changed);
    }
}

// The shown pixels are at the screen's scale already, so the painter copies them as they are;
// only what the window system asks for is drawn.
void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const auto* canvas = dynamic_cast<const QtCanvas*>(picture_.canvas.get());
    if (canvas == nullptr) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // A canvas drawn on since the last sync is taken now; what changed outside the area asked
    // for is repainted next.
    const int scale = std::max(1, qRound(painter.device()->devicePixelRatio()));
    const QRegion changed = shown_.take(canvas->image(), scale);
    const QRegion asked = event->region() & QRect(QPoint(0, 0), canvas->image().size());
    if (!(changed - asked).isEmpty()) {
        update(changed - asked);
    }
    for (const QRect& part : asked) {
        const QRect source(part.topLeft() * shown_.scale(), part.size() * shown_.scale());
        painter.drawImage(part, shown_.shown(), source);
    }
}

namespace {

// '#' outline, '-' fill, '.' the picture beneath.
QImage handlePixels(const HandleLook& look) {
    static constexpr const char* kCircle[] = {".###.", "#---#", "#---#", "#---#", ".###."};
    static constexpr const char* kSquare[] = {"#####", "#---#", "#---#", "#---#", "#####"};
    const auto& rows = look.kind == ShapeKind::Circle ? kCircle : kSquare;
    QImage pixels(kHandleSize, kHandleSize, QImage::Format_ARGB32_Premultiplied);
    pixels.fill(Qt::transparent);
    for (int y = 0; y < kHandleSize; ++y) {
        for (int x = 0; x < kHandleSize; ++x) {
            const char cell = rows[y][x];
            if (cell == '#') {
                pixels.setPixelColor(x, y, look.outline);
            } else if (cell == '-') {
                pixels.setPixelColor(x, y, look.fill);
            }
        }
    }
    return pixels;
}

}  // namespace

namespace {

// Assistive technology finds a handle where the pointer can take it: its place on screen is
// the target around it, not only its 5 x 5 pixels.
class AccessibleHandle : public QAccessibleWidget {
  public:
    explicit AccessibleHandle(QWidget* handle) : QAccessibleWidget(handle) {}

    QRect rect() const override {
        const QRect target = grabTargetAround(QRect(QPoint(0, 0), widget()->size()));
        return {widget()->mapToGlobal(target.topLeft()), target.size()};
    }
};

// HandleWidget has no meta-object of its own, so it is asked for under QWidget's name.
QAccessibleInterface* handleInterface(const QString&, QObject* object) {
    auto* handle = dynamic_cast<HandleWidget*>(object);
    return handle != nullptr ? new AccessibleHandle(handle) : nullptr;
}

}  // namespace

HandleWidget::HandleWidget(HandleLook look, QWidget* parent)
    : MouseReportingWidget(parent), pixels_(handlePixels(look)) {
    // Installing the same factory again changes nothing.
    QAccessible::installFactory(handleInterface);
    resize(kHandleSize, kHandleSize);
    setCursor(Qt::OpenHandCursor);
}

void HandleWidget::mousePressEvent(QMouseEvent* event) {
    MouseReportingWidget::mousePressEvent(event);
    setCursor(Qt::ClosedHandCursor);
}

// Only when the last button comes up is the handle let go.
void HandleWidget::mouseReleaseEvent(QMouseEvent* event) {
    MouseReportingWidget::mouseReleaseEvent(event);
    if (event->buttons() == Qt::NoButton) {
        setCursor(Qt::OpenHandCursor);
    }
}

// One image rather than a fill a pixel: a drag repaints every handle over the bench.
void HandleWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, pixels_);
}

BevelPanel::BevelPanel(QColor colour, int bevelWidth, int borderWidth, QWidget* parent)
    : MouseReportingWidget(parent),
      colour_(colour),
      bevelWidth_(bevelWidth),
      borderWidth_(borderWidth) {}

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
