// SPDX-License-Identifier: MIT
#include "app/model_binder.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

namespace {

QString text(const std::string& caption) {
    return QString::fromStdString(caption);
}

// Qt will not uncheck the checked button of an exclusive group by itself, and the model may
// leave a group with none checked.
void showCheck(QRadioButton* widget, bool checked) {
    if (widget->isChecked() == checked) {
        return;
    }
    if (checked) {
        widget->setChecked(true);
        return;
    }
    QButtonGroup* group = widget->group();
    group->setExclusive(false);
    widget->setChecked(false);
    group->setExclusive(true);
}

// Tab stops at a group's checked button (at each of them while none is checked), as on
// every desktop; the arrow keys reach the others. Left to itself Qt would stop at whichever
// button of the group comes first.
void syncTabStop(QRadioButton* widget, const RadioButton& button) {
    const RadioGroup* group = button.group();
    const bool noneChecked =
        group == nullptr || std::ranges::none_of(group->buttons(), [](const RadioButton* member) {
            return member->checked();
        });
    const Qt::FocusPolicy policy =
        button.checked() || noneChecked
            ? Qt::StrongFocus
            : static_cast<Qt::FocusPolicy>(Qt::StrongFocus & ~Qt::TabFocus);
    if (widget->focusPolicy() != policy) {
        widget->setFocusPolicy(policy);
    }
}

void syncAccessibleName(QWidget* widget, const std::string& caption) {
    const QString name = spokenName(text(caption));
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
}

}  // namespace

QString spokenName(const QString& caption) {
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&x" underlines x for Alt; "&&" is one ampersand.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
        }
        name += caption[i];
    }
    return name.trimmed();
}

ModelBinder::ModelBinder(std::function<void()> afterEvent) : afterEvent_(std::move(afterEvent)) {}

void ModelBinder::forward(const std::function<void()>& call) {
    call();
    afterEvent_();
}

void ModelBinder::syncAll() {
    for (const auto& sync : syncs_) {
        sync();
    }
}

void ModelBinder::syncGeometry(const Control& control, QWidget* widget) {
    syncGeometry(control, widget, control.width);
}

void ModelBinder::syncGeometry(const Control& control, QWidget* widget, int width) {
    const QRect bounds(control.left, control.top, width, control.height);
    if (widget->geometry() != bounds) {
        widget->setGeometry(bounds);
    }
    if (widget->isVisibleTo(widget->parentWidget()) != control.visible) {
        widget->setVisible(control.visible);
    }
    if (widget->isEnabled() != control.enabled) {
        widget->setEnabled(control.enabled);
    }
}

void ModelBinder::bindPlain(Control& control, QWidget* widget) {
    syncs_.push_back([this, &control, widget] { syncGeometry(control, widget); });
}

namespace {

// A one-line label whose text is wider than its place, as a translation can make it, takes
// the room to its right up to its parent's edge rather than cutting the text off.
int grownLabelWidth(const Label& label, const QLabel& widget) {
    const QWidget* parent = widget.parentWidget();
    if (widget.wordWrap() || parent == nullptr || !(widget.alignment() & Qt::AlignLeft)) {
        return label.width;
    }
    const int needed = widget.sizeHint().width();
    const int room = parent->width() - label.left;
    return std::max(label.width, std::min(needed, room));
}

}  // namespace

void ModelBinder::bindLabel(Label& label, QLabel* widget) {
    syncs_.push_back([this, &label, widget] {
        const QString caption = text(label.caption);
        if (widget->text() != caption) {
            widget->setText(caption);
        }
        syncGeometry(label, widget, grownLabelWidth(label, *widget));
    });
}

void ModelBinder::bindGroupBox(GroupBox& group, QGroupBox* widget) {
    syncs_.push_back([this, &group, widget] {
        syncGeometry(group, widget);
        const QString caption = text(group.caption);
        if (widget->title() != caption) {
            widget->setTitle(caption);
        }
        // Unnamed, Qt names a group inside another by the outer one's title.
        syncAccessibleName(widget, group.caption);
    });
}

void ModelBinder::bindButton(Button& button, QAbstractButton* widget) {
    focusable_.insert(widget, &button);
    connect(widget, &QAbstractButton::clicked, this,
            [this, &button] { forward([&button] { button.click(); }); });
    syncs_.push_back([this, &button, widget] {
        syncGeometry(button, widget);
        const QString caption = text(button.caption);
        if (widget->text() != caption) {
            widget->setText(caption);
        }
    });
}

void ModelBinder::bindScrollBar(ScrollBar& bar, QScrollBar* widget) {
    focusable_.insert(widget, &bar);
    widget->setFocusPolicy(Qt::StrongFocus);
    connect(widget, &QScrollBar::valueChanged, this,
            [this, &bar](int value) { forward([&bar, value] { bar.setPosition(value); }); });
    syncs_.push_back([this, &bar, widget] {
        const QSignalBlocker blocker(widget);
        syncGeometry(bar, widget);
        if (widget->minimum() != bar.min || widget->maximum() != bar.max) {
            widget->setRange(bar.min, bar.max);
        }
        widget->setPageStep(bar.largeChange);
        if (widget->value() != bar.position()) {
            widget->setValue(bar.position());
        }
    });
}

void ModelBinder::bindComboBox(ComboBox& box, QComboBox* widget) {
    focusable_.insert(widget, &box);
    connect(widget, &QComboBox::activated, this,
            [this, &box](int index) { forward([&box, index] { box.userSelect(index); }); });
    syncs_.push_back([this, &box, widget] {
        const QSignalBlocker blocker(widget);
        syncGeometry(box, widget);
        if (widget->count() != static_cast<int>(box.items.size())) {
            widget->clear();
            for (const std::string& item : box.items) {
                widget->addItem(text(item));
            }
        }
        if (widget->currentIndex() != box.itemIndex) {
            widget->setCurrentIndex(box.itemIndex);
        }
    });
}

void ModelBinder::bindCheckBox(CheckBox& box, QCheckBox* widget) {
    focusable_.insert(widget, &box);
    connect(widget, &QCheckBox::clicked, this,
            [this, &box] { forward([&box] { box.userClick(); }); });
    syncs_.push_back([this, &box, widget] {
        const QSignalBlocker blocker(widget);
        syncGeometry(box, widget);
        widget->setText(text(box.caption));
        if (widget->isChecked() != box.checked()) {
            widget->setChecked(box.checked());
        }
    });
}

void ModelBinder::bindRadioButton(RadioButton& button, QRadioButton* widget) {
    focusable_.insert(widget, &button);
    // The model decides which button of a group is checked: a click goes to it, and the sync
    // shows what it decided. Qt's own exclusivity stays on, so that assistive technology
    // reports radio buttons, Tab stops once in a group and the arrow keys move between its
    // buttons; a move reaches the model as the same click. Without a button group Qt would
    // make one group of every button under the same parent, nested group boxes included.
    buttonGroupOf(button)->addButton(widget);
    connect(widget, &QRadioButton::clicked, this,
            [this, &button] { forward([&button] { button.userClick(); }); });
    syncs_.push_back([this, &button, widget] {
        const QSignalBlocker blocker(widget);
        syncGeometry(button, widget);
        const QString caption = text(button.caption);
        if (widget->text() != caption) {
            widget->setText(caption);
        }
        // Some captions are padded with a blank to stand off their button.
        syncAccessibleName(widget, button.caption);
        showCheck(widget, button.checked());
        syncTabStop(widget, button);
    });
}

QButtonGroup* ModelBinder::buttonGroupOf(const RadioButton& button) {
    const void* key = button.group() != nullptr ? static_cast<const void*>(button.group())
                                                : static_cast<const void*>(&button);
    QButtonGroup*& group = buttonGroups_[key];
    if (group == nullptr) {
        group = new QButtonGroup(this);
    }
    return group;
}

void ModelBinder::bindNotebook(Notebook& book, QTabWidget* widget) {
    connect(widget, &QTabWidget::currentChanged, this,
            [this, &book](int index) { forward([&book, index] { book.setPageIndex(index); }); });
    syncs_.push_back([this, &book, widget] {
        const QSignalBlocker blocker(widget);
        syncGeometry(book, widget);
        for (int page = 0; page < widget->count(); ++page) {
            const QString caption = text(book.pages[static_cast<size_t>(page)]);
            if (widget->tabText(page) != caption) {
                widget->setTabText(page, caption);
            }
        }
        if (widget->currentIndex() != book.pageIndex()) {
            widget->setCurrentIndex(book.pageIndex());
        }
    });
}

void ModelBinder::bindMenuItem(MenuItem& item, QAction* action) {
    if (!item.shortcut.empty()) {
        action->setShortcut(QKeySequence(text(item.shortcut)));
    }
    action->setSeparator(item.isSeparator());
    if (item.items.empty() && !item.isSeparator()) {
        connect(action, &QAction::triggered, this,
                [this, &item] { forward([&item] { item.click(); }); });
    }
    syncs_.push_back([&item, action] {
        const QSignalBlocker blocker(action);
        const QString caption = item.isSeparator() ? QString() : text(item.caption);
        if (action->text() != caption) {
            action->setText(caption);
        }
        // Only a checked item shows a check mark, as in a classic menu.
        if (action->isCheckable() != item.checked) {
            action->setCheckable(item.checked);
        }
        action->setChecked(item.checked);
        if (action->isVisible() != item.visible) {
            action->setVisible(item.visible);
        }
        if (action->isEnabled() != item.enabled) {
            action->setEnabled(item.enabled);
        }
    });
}

void ModelBinder::focusMovedTo(QWidget* widget, FocusTracker& tracker) {
    QWidget* candidate = widget;
    while (candidate != nullptr && !focusable_.contains(candidate)) {
        candidate = candidate->parentWidget();
    }
    Control& control = candidate != nullptr ? *focusable_.value(candidate) : elsewhere_;
    forward([&tracker, &control] { tracker.focus(control); });
}
