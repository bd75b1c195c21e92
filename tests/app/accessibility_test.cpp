// SPDX-License-Identifier: MIT
// The windows as a screen reader finds them, through Qt's accessibility tree: every control
// the keyboard reaches has a name, the scroll bars are told apart and read as their labels
// show them, radio buttons are radio buttons and the notebook's tabs carry their hints.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSet>
#include <string>
#include <vector>

#include "interaction/hints.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

std::string said(const QAccessibleInterface* node, QAccessible::Text kind) {
    return node->text(kind).toStdString();
}

// What is wrong, for a screen reader, with the visible part of one window's tree.
struct TreeFaults {
    std::vector<std::string> unnamed;
    std::vector<std::string> sharedScrollBarNames;

    void walk(QAccessibleInterface* node) {
        if (node == nullptr || node->state().invisible) {
            return;
        }
        if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed.push_back(std::to_string(node->role()) + " in " +
                              said(node->parent(), QAccessible::Name));
        }
        if (node->role() == QAccessible::ScrollBar) {
            const QString name = node->text(QAccessible::Name);
            if (scrollBarNames.contains(name)) {
                sharedScrollBarNames.push_back(name.toStdString());
            }
            scrollBarNames.insert(name);
        }
        for (int i = 0; i < node->childCount(); ++i) {
            walk(node->child(i));
        }
    }

  private:
    QSet<QString> scrollBarNames;
};

void expectEveryControlNamedAndEveryScrollBarApart(QWidget& window, const std::string& shown) {
    TreeFaults faults;
    faults.walk(QAccessible::queryAccessibleInterface(&window));
    EXPECT_TRUE(faults.unnamed.empty()) << shown << ": " << testing::PrintToString(faults.unnamed);
    EXPECT_TRUE(faults.sharedScrollBarNames.empty())
        << shown << ": " << testing::PrintToString(faults.sharedScrollBarNames);
}

TEST(AccessibilityTree, everyReachableControlOfEachWindowIsNamedAndNoTwoScrollBarsShareAName) {
    for (const char* edition : {"Lumivex", "Spekvale"}) {
        ShownMainWindow window(edition);
        window.model.N33.click();  // every handle shows
        window.model.N34.click();  // and the slit width bar
        for (int page = 0; page < 2; ++page) {
            window.model.taboptions.setPageIndex(page);
            window.view.sync();
            expectEveryControlNamedAndEveryScrollBarApart(
                window.view, std::string(edition) + ", page " + std::to_string(page));
        }
    }
    PracticeOnScreen practice;
    practice.view.show();
    for (int page = 0; page < 3; ++page) {
        practice.showPage(page);
        expectEveryControlNamedAndEveryScrollBarApart(practice.view,
                                                      "practice page " + std::to_string(page));
    }
}

QAccessibleInterface* accessibleNamed(QWidget& window, const QString& name,
                                      QAccessible::Role role) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
        if (node != nullptr && node->role() == role && node->text(QAccessible::Name) == name) {
            return node;
        }
    }
    return nullptr;
}

TEST(AccessibleScrollBar, readsItsValueAsItsLabelShowsItAndSetsItThroughTheModel) {
    ShownMainWindow window;
    Treframain& m = window.model;
    QAccessibleInterface* glass =
        accessibleNamed(window.view, "Glass index", QAccessible::ScrollBar);
    ASSERT_NE(glass, nullptr);
    QAccessibleValueInterface* value = glass->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(said(glass, QAccessible::Value), "1.50");
    EXPECT_DOUBLE_EQ(value->currentValue().toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(value->minimumValue().toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(value->maximumValue().toDouble(), 3.0);

    m.glassindex.setPosition(163);
    window.view.sync();
    EXPECT_EQ(said(glass, QAccessible::Value), "1.63");
    // Assistive technology sets the value as the user would move the bar.
    value->setCurrentValue(1.2);
    EXPECT_EQ(m.glassindex.position(), 120);
    EXPECT_EQ(m.glasslb.caption, "\"Glass\": 1.20");
    EXPECT_EQ(said(glass, QAccessible::Value), "1.20");

    QAccessibleInterface* zoom = accessibleNamed(window.view, "Zoom", QAccessible::ScrollBar);
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(said(zoom, QAccessible::Value), "25%");
    EXPECT_DOUBLE_EQ(zoom->valueInterface()->currentValue().toDouble(), 25.0);
}

TEST(AccessibleRadioButton, isARadioButtonNamedWithoutPaddingWhoseClicksTheModelDecides) {
    ShownMainWindow window;
    Treframain& m = window.model;
    QAccessibleInterface* one = accessibleNamed(window.view, "One", QAccessible::RadioButton);
    QAccessibleInterface* three = accessibleNamed(window.view, "Three", QAccessible::RadioButton);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(three, nullptr);
    auto* oneButton = qobject_cast<QRadioButton*>(one->object());
    auto* threeButton = qobject_cast<QRadioButton*>(three->object());
    EXPECT_TRUE(oneButton->isChecked());

    // The arrow keys move the check, through the model's click.
    window.view.activateWindow();
    QApplication::setActiveWindow(&window.view);
    oneButton->setFocus(Qt::TabFocusReason);
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(oneButton, &right);
    EXPECT_TRUE(m.threeclrb.checked());
    EXPECT_EQ(m.bench.colourCount, 3);
    EXPECT_TRUE(threeButton->isChecked());
    EXPECT_FALSE(oneButton->isChecked());

    // A group the model leaves with none checked shows none, exclusive as Qt's buttons are.
    m.threeclrb.setChecked(false);
    window.view.sync();
    EXPECT_FALSE(threeButton->isChecked());
    EXPECT_FALSE(oneButton->isChecked());
}

TEST(AccessibleNotebook, theTabsThatTakeTheFocusCarryTheirPagesHints) {
    ShownMainWindow window;
    window.model.taboptions.setPageIndex(0);
    window.view.sync();
    QAccessibleInterface* tabs =
        accessibleNamed(window.view, "Lens Properties", QAccessible::PageTabList);
    ASSERT_NE(tabs, nullptr);
    ASSERT_GE(tabs->childCount(), 2);
    EXPECT_EQ(said(tabs->child(0), QAccessible::Description), hints::devicePage());
    EXPECT_EQ(said(tabs->child(1), QAccessible::Description), hints::measurementPage());
}

}  // namespace
