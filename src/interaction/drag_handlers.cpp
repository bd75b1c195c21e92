// SPDX-License-Identifier: MIT
// The handles' mouse events, handed to the bench's mouse mode, and the arrow keys on a
// focused handle, which drag it as the mouse would.
#include "controls/handle_geometry.h"
#include "interaction/interaction_layer.h"

void InteractionLayer::dsh1MouseDown(Shape& sender, MouseButton, int, int) {
    mouseMode().handlePressed(sender);
}

void InteractionLayer::dsh1MouseMove(Shape& sender, int x, int y) {
    handleMouseMove(sender, x, y);
}

void InteractionLayer::mid1MouseMove(Shape& sender, int x, int y) {
    handleMouseMove(sender, x, y);
}

void InteractionLayer::centergMouseMove(Shape& sender, int x, int y) {
    handleMouseMove(sender, x, y);
}

void InteractionLayer::dsh1MouseUp(Shape&, MouseButton, int, int) {
    mouseMode().handleReleased();
}

// Over a handle the status line says what dragging it does, held or not.
void InteractionLayer::handleMouseMove(Shape& handle, int x, int y) {
    hintslb.caption = accessibleDescription(handle);
    mouseMode().handleMoved(handle, x, y);
}

// A key move is a drag by (dx, dy) with the mouse: a press, one move, a release, through the
// very handlers the mouse runs, so that every clamp, redraw, read-out and hint is theirs. The
// move gives the mouse where a drag by (dx, dy) would put it, relative to the handle.
void InteractionLayer::moveHandleByKeys(Shape& handle, int dx, int dy) {
    if (!handle.visible) {
        return;
    }
    dsh1MouseDown(handle, MouseButton::Left, kSourceGrip, kSourceGrip);
    if (const std::optional<Point> to = draggingHandles_.pointerMovingBy(dx, dy)) {
        handleMouseMove(handle, to->x, to->y);
    }
    dsh1MouseUp(handle, MouseButton::Left, kSourceGrip, kSourceGrip);
}
