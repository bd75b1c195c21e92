// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QWidget>
#include <functional>

// One text a window shows or says, with the widget that shows it.
struct ShownText {
    const QWidget* widget;
    QString what;  // "label", "tab 1", "menu item", ...
    QString text;
};

inline void eachMenuText(const QList<QAction*>& actions, const QWidget* owner,
                         const std::function<void(const ShownText&)>& visit) {
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        visit({owner, QStringLiteral("menu item"), action->text()});
        if (action->menu() != nullptr) {
            eachMenuText(action->menu()->actions(), action->menu(), visit);
        }
    }
}

// Every text of the window and its children: captions, items, tabs, menus, tooltips and
// what assistive technology is told.
inline void eachShownText(const QWidget& window,
                          const std::function<void(const ShownText&)>& visit) {
    visit({&window, QStringLiteral("window title"), window.windowTitle()});
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<const QWidget*>()) {
        widgets << child;
    }
    for (const QWidget* widget : widgets) {
        visit({widget, QStringLiteral("tooltip"), widget->toolTip()});
        visit({widget, QStringLiteral("accessible name"), widget->accessibleName()});
        visit({widget, QStringLiteral("accessible description"), widget->accessibleDescription()});
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            visit({widget, QStringLiteral("label"), label->text()});
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            visit({widget, QStringLiteral("button"), button->text()});
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            visit({widget, QStringLiteral("group title"), group->title()});
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                visit({widget, QStringLiteral("tab"), tabs->tabText(i)});
                visit({widget, QStringLiteral("tab tooltip"), tabs->tabToolTip(i)});
            }
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i) {
                visit({widget, QStringLiteral("combo item"), combo->itemText(i)});
            }
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            eachMenuText(bar->actions(), bar, visit);
        } else if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            eachMenuText(menu->actions(), menu, visit);
        }
    }
}
