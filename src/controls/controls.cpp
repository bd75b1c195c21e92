// SPDX-License-Identifier: MIT
#include "controls/controls.h"

#include <algorithm>

#include "canvas/canvas.h"

void Control::setBounds(int newLeft, int newTop, int newWidth, int newHeight) {
    left = newLeft;
    top = newTop;
    width = newWidth;
    height = newHeight;
}

void Button::click() {
    if (onClick) {
        onClick(*this);
    }
}

void ScrollBar::setPosition(int value) {
    const int clamped = std::clamp(value, min, std::max(min, max));
    if (clamped == position_) {
        return;
    }
    position_ = clamped;
    if (onChange) {
        onChange(*this);
    }
}

void ScrollBar::initialise(int newMin, int newMax, int newPosition) {
    min = newMin;
    max = newMax;
    position_ = std::clamp(newPosition, newMin, std::max(newMin, newMax));
}

void ComboBox::userSelect(int index) {
    itemIndex = index;
    if (onChange) {
        onChange(*this);
    }
}

void CheckBox::setChecked(bool value) {
    if (value == checked_) {
        return;
    }
    checked_ = value;
    if (onClick) {
        onClick(*this);
    }
}

void CheckBox::userClick() {
    setChecked(!checked_);
}

void RadioGroup::add(RadioButton& button) {
    buttons_.push_back(&button);
    button.group_ = this;
}

void RadioButton::setChecked(bool value) {
    if (value == checked_) {
        return;
    }
    checked_ = value;
    if (!value) {
        return;
    }
    if (group_ != nullptr) {
        for (RadioButton* sibling : group_->buttons()) {
            if (sibling != this) {
                sibling->checked_ = false;
            }
        }
    }
    if (onClick) {
        onClick(*this);
    }
}

void MenuItem::click() {
    if (onClick) {
        onClick(*this);
    }
}

void Notebook::setPageIndex(int index) {
    if (index == pageIndex_) {
        return;
    }
    if (onPageChange) {
        onPageChange(*this, index);
    }
    pageIndex_ = index;
}

Picture::Picture() = default;
Picture::~Picture() = default;

void FocusTracker::focus(Control& control) {
    if (focused_ == &control) {
        return;
    }
    Control* previous = focused_;
    focused_ = &control;
    if (previous != nullptr && previous->onExit) {
        previous->onExit(*previous);
    }
}
