// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Toolkit-free models of the controls a window model reads and writes.
//
// The window models call each other's handlers in long synchronous chains (a preset
// clicks menu items whose handlers redraw, a handler sets a scroll bar whose change
// handler runs only when the value really changes). These classes own those firing
// rules so that the chains are explicit and testable without a display; the Qt views
// copy the fields into real widgets after every handler and never fire anything.

class Canvas;
class Control;

using Handler = std::function<void(Control& sender)>;

// Fields shared by every control. Geometry is in the parent's client pixels.
class Control {
  public:
    virtual ~Control() = default;
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::string caption;
    int tag = 0;
    bool visible = true;
    bool enabled = true;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    // Runs when the window's focus moves from this control to another one.
    Handler onExit;

    void setBounds(int newLeft, int newTop, int newWidth, int newHeight);
};

// The value a shared handler's sender carries in its Tag: a sub-item's count, step or
// choice, a slider's medium, a surface control's side, a handle's source.
inline int carriedValue(const Control& sender) {
    return sender.tag;
}

// Plain containers and captions: nothing fires.
class Label : public Control {};
class GroupBox : public Control {};
class Panel : public Control {};

// A button whose click is a handler call, whether the user or the program presses it.
class Button : public Control {
  public:
    Handler onClick;
    void click();
};

class EditBox : public Control {
  public:
    std::string text;
};

// Setting the position by program runs the change handler only when the value,
// after clamping to min..max, differs from the current one.
class ScrollBar : public Control {
  public:
    int min = 0;
    int max = 100;
    int largeChange = 1;
    Handler onChange;

    int position() const { return position_; }
    void setPosition(int value);
    // For the layout only: sets the range and position without firing.
    void initialise(int newMin, int newMax, int newPosition);

  private:
    int position_ = 0;
};

// Setting the item index by program runs nothing; a choice by the user runs the change
// handler; losing the focus runs the exit handler (from Control).
class ComboBox : public Control {
  public:
    std::vector<std::string> items;
    int itemIndex = -1;
    Handler onChange;

    void userSelect(int index);
};

// Setting the check by program runs the click handler only when the check changes;
// a click by the user toggles it.
class CheckBox : public Control {
  public:
    Handler onClick;

    bool checked() const { return checked_; }
    void setChecked(bool value);
    void userClick();

  private:
    bool checked_ = false;
};

class RadioButton;

// The radio buttons that share one parent: checking one unchecks the others.
class RadioGroup {
  public:
    void add(RadioButton& button);
    const std::vector<RadioButton*>& buttons() const { return buttons_; }

  private:
    std::vector<RadioButton*> buttons_;
};

// Checking by program unchecks the group's siblings and runs the click handler only
// when the check changes; unchecking runs nothing. A click by the user on an already
// checked button therefore does nothing.
class RadioButton : public Control {
  public:
    Handler onClick;

    bool checked() const { return checked_; }
    void setChecked(bool value);
    void userClick() { setChecked(true); }
    // The buttons it excludes, or none.
    const RadioGroup* group() const { return group_; }

  private:
    friend class RadioGroup;
    bool checked_ = false;
    RadioGroup* group_ = nullptr;
};

// A menu item; a parent item lists its sub-items. A separator has the caption "-".
class MenuItem : public Control {
  public:
    bool checked = false;
    std::string shortcut;  // "Ctrl+C" style, empty for none
    int helpContext = 0;
    std::vector<MenuItem*> items;
    Handler onClick;

    void click();
    bool isSeparator() const { return caption == "-"; }
};

// A tabbed notebook. Changing the page, by the user or by program, first runs the
// page-change handler with the new index (only when it differs), then shows the page.
class Notebook : public Control {
  public:
    std::vector<std::string> pages;
    std::function<void(Notebook& sender, int newTab)> onPageChange;

    int pageIndex() const { return pageIndex_; }
    void setPageIndex(int index);
    void initialisePage(int index) { pageIndex_ = index; }

  private:
    int pageIndex_ = 0;
};

enum class ShapeKind { Circle, Square };

// The 5 x 5 drag handles and the selection frame: positioned, tagged, never firing.
class Shape : public Control {
  public:
    ShapeKind kind = ShapeKind::Square;
};

enum class Cursor { Arrow, Cross };

// A picture control showing a canvas the window model owns.
class Picture : public Control {
  public:
    Picture();
    ~Picture() override;
    std::unique_ptr<Canvas> canvas;
    Cursor cursor = Cursor::Arrow;
};

// A window's own frame: caption, outer size and position, client area.
class Form : public Control {
  public:
    int clientWidth = 0;
    int clientHeight = 0;
};

// Which control of a window holds the keyboard focus. Moving the focus away from a
// control runs that control's exit handler, before the new control takes the focus;
// focusing the control that already has it runs nothing.
class FocusTracker {
  public:
    void focus(Control& control);
    Control* focused() const { return focused_; }

  private:
    Control* focused_ = nullptr;
};

enum class MouseButton { Left, Right, Middle };
