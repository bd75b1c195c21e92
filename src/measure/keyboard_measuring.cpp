// SPDX-License-Identifier: MIT
// The measuring tool from the keyboard: a pointer the keys move over the bench, fed to the
// bench's own mouse handlers, so that the tool behaves exactly as under the mouse.
#include "measure/measure_layer.h"

// Switching measuring on hides the handles, which hands the focus from one to the next as
// they go; the point to start from is the one the student chose before.
void MeasureLayer::handleFocused(const Shape& handle) {
    if (!domeasurecb.checked()) {
        lastFocusedHandle_ = &handle;
    }
}

Point MeasureLayer::pointerStart() const {
    return benchCentre(lastFocusedHandle_ != nullptr ? *lastFocusedHandle_ : centerg);
}

void MeasureLayer::startPointerByKey() {
    if (!domeasurecb.checked()) {
        return;
    }
    const Point at = keyPointer.startAt(pointerStart(), planeim.width, planeim.height);
    planeimMouseMove(at.x, at.y);
}

void MeasureLayer::movePointerByKeys(int dx, int dy) {
    if (!domeasurecb.checked()) {
        return;
    }
    const Point at = keyPointer.moveBy(dx, dy, pointerStart(), planeim.width, planeim.height);
    planeimMouseMove(at.x, at.y);
}

void MeasureLayer::clickPointerByKey() {
    if (!domeasurecb.checked()) {
        return;
    }
    const Point at = keyPointer.position(pointerStart(), planeim.width, planeim.height);
    planeimMouseDown(MouseButton::Left, at.x, at.y);
    planeimMouseUp(MouseButton::Left, at.x, at.y);
}
