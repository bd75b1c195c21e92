// SPDX-License-Identifier: MIT
#include "app/spoken_scroll_bar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLatin1String>
#include <QVariant>
#include <cmath>
#include <optional>

namespace {

// Qt's own interface for a scroll bar reports the raw position, as a number and as text.
class AccessibleSpokenScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit AccessibleSpokenScrollBar(SpokenScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? bar()->shownValue() : QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return shown(bar()->value()); }
    QVariant maximumValue() const override { return shown(bar()->maximum()); }
    QVariant minimumValue() const override { return shown(bar()->minimum()); }
    QVariant minimumStepSize() const override { return shown(bar()->singleStep()); }

    // Setting the value is a user's move of the bar: the bar's change goes to the model.
    void setCurrentValue(const QVariant& value) override {
        const double position = value.toDouble() / bar()->shownPerPosition();
        if (std::isfinite(position)) {
            bar()->setValue(static_cast<int>(std::lround(position)));
        }
    }

  private:
    SpokenScrollBar* bar() const { return static_cast<SpokenScrollBar*>(widget()); }
    double shown(int position) const { return position * bar()->shownPerPosition(); }
};

// Qt asks the factories class by class from the most derived one, so this answers for our
// bars before Qt's own scroll bar interface is reached.
QAccessibleInterface* spokenScrollBarInterface(const QString& className, QObject* object) {
    auto* bar = qobject_cast<SpokenScrollBar*>(object);
    if (bar == nullptr ||
        className != QLatin1String(SpokenScrollBar::staticMetaObject.className())) {
        return nullptr;
    }
    return new AccessibleSpokenScrollBar(bar);
}

}  // namespace

SpokenScrollBar::SpokenScrollBar(const QString& name, double shownPerPosition, QWidget* parent)
    : QScrollBar(Qt::Horizontal, parent), shownPerPosition_(shownPerPosition) {
    // Installing the same factory again changes nothing.
    QAccessible::installFactory(spokenScrollBarInterface);
    setAccessibleName(name);
}

namespace {

// What a key does to a setting's bar, or nothing for a key the bar leaves to Qt.
std::optional<QAbstractSlider::SliderAction> settingAction(int key) {
    switch (key) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            return QAbstractSlider::SliderSingleStepSub;
        case Qt::Key_Right:
        case Qt::Key_Up:
            return QAbstractSlider::SliderSingleStepAdd;
        case Qt::Key_PageDown:
            return QAbstractSlider::SliderPageStepSub;
        case Qt::Key_PageUp:
            return QAbstractSlider::SliderPageStepAdd;
        case Qt::Key_Home:
            return QAbstractSlider::SliderToMinimum;
        case Qt::Key_End:
            return QAbstractSlider::SliderToMaximum;
        default:
            return std::nullopt;
    }
}

}  // namespace

void SpokenScrollBar::keyPressEvent(QKeyEvent* event) {
    const std::optional<SliderAction> action = settingAction(event->key());
    if (!action) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    triggerAction(*action);
    event->accept();
}

void SpokenScrollBar::setShownValue(const QString& text) {
    shownValue_ = text;
}

QString shownValueOf(const QString& caption) {
    const qsizetype colon = caption.lastIndexOf(QLatin1String(": "));
    return (colon < 0 ? caption : caption.mid(colon + 2)).trimmed();
}
