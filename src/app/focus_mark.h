// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

// The mark around the handle (or picture) that has the keyboard focus: a dotted black and
// white ring a pixel outside it. It is drawn only on pixels the window says it may cover, so it
// never hides a ray, and it lets the mouse through to whatever lies beneath.
class FocusMark : public QWidget {
  public:
    // `mayCover` answers for a pixel of the mark's parent.
    FocusMark(QWidget* parent, std::function<bool(QPoint)> mayCover);

    // Rings `target` (a sibling) from now on, or nothing for none.
    void follow(QWidget* target);
    // Keeps up with the target after it moved, or was hidden or shown.
    void refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<bool(QPoint)> mayCover_;
    QPointer<QWidget> target_;
};
