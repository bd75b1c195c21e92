// SPDX-License-Identifier: MIT
#include "app/spoken_tab_widget.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QMetaObject>
#include <QTabBar>

namespace {

class FocusedTabTellingBar : public QTabBar {
  public:
    using QTabBar::QTabBar;

  protected:
    void focusInEvent(QFocusEvent* event) override {
        QTabBar::focusInEvent(event);
        // Qt reports the focus on the bar itself after this event has been handled; the
        // current tab is told after that.
        QMetaObject::invokeMethod(
            this, [this] { tellFocusedTab(); }, Qt::QueuedConnection);
    }

  private:
    void tellFocusedTab() {
        if (!hasFocus() || currentIndex() < 0) {
            return;
        }
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex());
        QAccessible::updateAccessibility(&focus);
    }
};

}  // namespace

SpokenTabWidget::SpokenTabWidget(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new FocusedTabTellingBar(this));
}
