// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "app/grab_targets.h"

class HandleWidget;
class QMouseEvent;
class QWidget;

// Lets the pointer take a handle anywhere in its target (and a light source anywhere on its
// torch), not only on the handle's own 5 x 5 pixels, which stay the handle widget's business.
// It watches the widgets the targets spread over (the picture, the panel around it) and hands
// what falls in a target to the handle's own mouse forwarding: a hover tells what the handle
// does, a press and the moves after it drag the handle as if its shape had been taken at its
// grip, so that the handle keeps its distance from the pointer instead of jumping to it.
class HandleGrabber : public QObject {
  public:
    // `panel` is the handles' parent; `surfaces` are the widgets under the targets (the panel
    // itself among them, where targets reach past the picture).
    HandleGrabber(QWidget* panel, std::vector<QWidget*> surfaces);

    // `grip` is the point of the shape a drag's move handler keeps under the pointer.
    // `alsoTakenAt` answers, in the panel's coordinates, for what else takes the handle.
    void add(HandleWidget* handle, QPoint grip, std::function<bool(QPoint)> alsoTakenAt = {});

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        HandleWidget* handle;
        QPoint grip;
        std::function<bool(QPoint)> alsoTakenAt;
    };
    // A handle taken in its target: where the pointer was pressed, and where the handle was.
    struct Grab {
        std::size_t entry;
        QPoint pressedAt;
        QPoint handleAt;
        Qt::MouseButton button;
    };

    std::optional<std::size_t> takenAt(QPoint inPanel) const;
    QPoint inPanel(QWidget* surface, const QMouseEvent* event) const;
    bool press(QWidget* surface, QMouseEvent* event);
    bool move(QWidget* surface, QMouseEvent* event);
    bool release(QWidget* surface, QMouseEvent* event);
    // Where a move of the pointer to `pointer` puts the pointer relative to the taken handle,
    // as a drag on its shape would have it.
    QPoint dragged(QPoint pointer) const;
    void showHand(QWidget* surface, Qt::CursorShape shape);
    void leaveHand();

    QWidget* panel_;
    std::vector<QWidget*> surfaces_;
    std::vector<Entry> entries_;
    std::optional<Grab> grab_;
    // The surface showing a hand, with the cursor it showed before.
    QPointer<QWidget> handShownOn_;
    QCursor cursorBefore_;
};
