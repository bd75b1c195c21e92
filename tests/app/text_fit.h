// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <string>
#include <vector>

// Where a widget's text needs more room than the widget has, in the font it is shown in.

// The room a group box's frame leaves its title, on both sides together.
constexpr int kGroupTitleMargins = 16;

inline std::string cutOff(const QWidget& widget, const QString& text, int needed, int room) {
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4")
        .arg(QString::fromUtf8(widget.metaObject()->className()), text)
        .arg(needed)
        .arg(room)
        .toStdString();
}

inline void checkLabel(const QLabel& label, std::vector<std::string>& found) {
    const QRect room = label.contentsRect();
    const QFontMetrics metrics(label.font());
    if (label.wordWrap()) {
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, label.text());
        if (needed.height() > room.height() || needed.width() > room.width()) {
            found.push_back(cutOff(label, label.text(), needed.height(), room.height()) +
                            " (height)");
        }
        return;
    }
    const int needed = metrics.size(0, label.text()).width();
    if (needed > room.width()) {
        found.push_back(cutOff(label, label.text(), needed, room.width()));
    }
}

// A push button's text with the button's own margins; a check box's or radio button's text
// in the room its indicator leaves (the focus frame around it may be clipped, not the text).
inline void checkButton(const QAbstractButton& button, std::vector<std::string>& found) {
    const bool indicator = qobject_cast<const QCheckBox*>(&button) != nullptr ||
                           qobject_cast<const QRadioButton*>(&button) != nullptr;
    if (!indicator) {
        if (button.sizeHint().width() > button.width()) {
            found.push_back(
                cutOff(button, button.text(), button.sizeHint().width(), button.width()));
        }
        return;
    }
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(&button) != nullptr
                                            ? QStyle::SE_CheckBoxContents
                                            : QStyle::SE_RadioButtonContents;
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    const int needed =
        QFontMetrics(button.font()).size(Qt::TextShowMnemonic, button.text()).width();
    if (needed > room.width()) {
        found.push_back(cutOff(button, button.text(), needed, room.width()));
    }
}

inline void checkGroupTitle(const QGroupBox& group, std::vector<std::string>& found) {
    const int needed =
        QFontMetrics(group.font()).horizontalAdvance(group.title()) + kGroupTitleMargins;
    if (needed > group.width()) {
        found.push_back(cutOff(group, group.title(), needed, group.width()));
    }
}

// The tab bar asks for every tab's whole text side by side.
inline void checkTabs(const QTabWidget& tabs, std::vector<std::string>& found) {
    QStringList texts;
    for (int i = 0; i < tabs.count(); ++i) {
        texts << tabs.tabText(i);
    }
    const int needed = tabs.tabBar()->sizeHint().width();
    if (needed > tabs.width()) {
        found.push_back(cutOff(tabs, texts.join(QStringLiteral(" | ")), needed, tabs.width()));
    }
}

inline void checkComboItems(const QComboBox& combo, std::vector<std::string>& found) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    const int room =
        combo.style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
            .width();
    const QFontMetrics metrics(combo.font());
    for (int i = 0; i < combo.count(); ++i) {
        const int needed = metrics.horizontalAdvance(combo.itemText(i));
        if (needed > room) {
            found.push_back(cutOff(combo, combo.itemText(i), needed, room));
        }
    }
}

// The menu bar shows every menu in its own width, none pushed into an overflow button.
inline void checkMenuBar(const QMenuBar& bar, std::vector<std::string>& found) {
    for (QAction* action : bar.actions()) {
        const QRect place = bar.actionGeometry(action);
        if (action->isVisible() && (place.isEmpty() || place.right() >= bar.width())) {
            found.push_back(cutOff(bar, action->text(), place.right() + 1, bar.width()));
        }
    }
}

// Every text of the window and its children that does not fit its control.
inline std::vector<std::string> textsCutOffIn(const QWidget& window) {
    std::vector<std::string> found;
    for (const QWidget* widget : window.findChildren<const QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && !label->text().isEmpty()) {
            checkLabel(*label, found);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            checkButton(*button, found);
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            checkGroupTitle(*group, found);
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            checkTabs(*tabs, found);
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            checkComboItems(*combo, found);
        } else if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            checkMenuBar(*bar, found);
        }
    }
    return found;
}
