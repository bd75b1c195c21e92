// SPDX-License-Identifier: MIT
#include "app/handle_grabber.h"

#include <QMouseEvent>
#include <QWidget>
#include <QtMath>
#include <utility>

#include "app/picture_widgets.h"

HandleGrabber::HandleGrabber(QWidget* panel, std::vector<QWidget*> surfaces)
    : QObject(panel), panel_(panel), surfaces_(std::move(surfaces)) {
    for (QWidget* surface : surfaces_) {
        surface->installEventFilter(this);
    }
}

void HandleGrabber::add(HandleWidget* handle, QPoint grip,
                        std::function<bool(QPoint)> alsoTakenAt) {
    entries_.push_back({handle, grip, std::move(alsoTakenAt)});
}

std::optional<std::size_t> HandleGrabber::takenAt(QPoint inPanel) const {
    // Hidden handles take nothing; the candidates keep the entries' numbering.
    std::vector<GrabCandidate> candidates;
    candidates.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        const bool shown = !entry.handle->isHidden();
        candidates.push_back({shown ? entry.handle->geometry() : QRect(),
                              shown ? entry.alsoTakenAt : std::function<bool(QPoint)>()});
    }
    std::optional<std::size_t> taken = handleTakenAt(inPanel, candidates);
    if (taken && candidates[*taken].shape.isNull()) {
        return std::nullopt;
    }
    return taken;
}

// The pixel under the pointer, in the panel: on a scaled screen it can fall between pixels.
QPoint HandleGrabber::inPanel(QWidget* surface, const QMouseEvent* event) const {
    const QPoint pixel(qFloor(event->position().x()), qFloor(event->position().y()));
    return surface->mapTo(panel_, pixel);
}

bool HandleGrabber::eventFilter(QObject* watched, QEvent* event) {
    auto* surface = qobject_cast<QWidget*>(watched);
    if (surface == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return press(surface, static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return move(surface, static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return release(surface, static_cast<QMouseEvent*>(event));
        case QEvent::Leave:
            if (!grab_) {
                leaveHand();
            }
            return false;
        default:
            return false;
    }
}

bool HandleGrabber::press(QWidget* surface, QMouseEvent* event) {
    if (grab_ || event->button() != Qt::LeftButton) {
        return grab_.has_value();
    }
    const QPoint pointer = inPanel(surface, event);
    const std::optional<std::size_t> taken = takenAt(pointer);
    if (!taken) {
        return false;
    }
    HandleWidget* handle = entries_[*taken].handle;
    grab_ = Grab{*taken, pointer, handle->pos(), event->button()};
    const QPoint grip = entries_[*taken].grip;
    if (handle->mouse.press) {
        handle->mouse.press(MouseButton::Left, grip.x(), grip.y());
    }
    showHand(surface, Qt::ClosedHandCursor);
    return true;
}

QPoint HandleGrabber::dragged(QPoint pointer) const {
    const Entry& entry = entries_[grab_->entry];
    // The pointer's way since the press, carried over to the grip of the handle as it was.
    const QPoint grip = grab_->handleAt + entry.grip + (pointer - grab_->pressedAt);
    return grip - entry.handle->pos();
}

bool HandleGrabber::move(QWidget* surface, QMouseEvent* event) {
    const QPoint pointer = inPanel(surface, event);
    if (grab_) {
        HandleWidget* handle = entries_[grab_->entry].handle;
        const QPoint at = dragged(pointer);
        if (handle->mouse.move) {
            handle->mouse.move(at.x(), at.y());
        }
        showHand(surface, Qt::ClosedHandCursor);
        return true;
    }
    // A drag that began on the surface itself (a copy selection, say) stays the surface's.
    if (event->buttons() != Qt::NoButton) {
        return false;
    }
    const std::optional<std::size_t> taken = takenAt(pointer);
    if (!taken) {
        leaveHand();
        return false;
    }
    HandleWidget* handle = entries_[*taken].handle;
    const QPoint at = pointer - handle->pos();
    if (handle->mouse.move) {
        handle->mouse.move(at.x(), at.y());
    }
    showHand(surface, Qt::OpenHandCursor);
    return true;
}

bool HandleGrabber::release(QWidget* surface, QMouseEvent* event) {
    if (!grab_) {
        return false;
    }
    if (event->button() != grab_->button) {
        return true;
    }
    const QPoint pointer = inPanel(surface, event);
    HandleWidget* handle = entries_[grab_->entry].handle;
    const QPoint at = dragged(pointer);
    grab_.reset();
    if (handle->mouse.release) {
        handle->mouse.release(MouseButton::Left, at.x(), at.y());
    }
    if (takenAt(pointer)) {
        showHand(surface, Qt::OpenHandCursor);
    } else {
        leaveHand();
    }
    return true;
}

// The window's own handlers may set the surface's cursor meanwhile (the bench's cross-hair);
// the hand goes over whatever they set, and what they set comes back when it goes.
void HandleGrabber::showHand(QWidget* surface, Qt::CursorShape shape) {
    if (handShownOn_ != surface) {
        leaveHand();
        handShownOn_ = surface;
        cursorBefore_ = surface->cursor();
    } else if (surface->cursor().shape() != Qt::OpenHandCursor &&
               surface->cursor().shape() != Qt::ClosedHandCursor) {
        cursorBefore_ = surface->cursor();
    }
    surface->setCursor(shape);
}

void HandleGrabber::leaveHand() {
    if (handShownOn_ != nullptr) {
        handShownOn_->setCursor(cursorBefore_);
        handShownOn_ = nullptr;
    }
}
