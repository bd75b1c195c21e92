// SPDX-License-Identifier: MIT
#include "measure/copy_selecting.h"

#include <algorithm>
#include <cstdlib>

#include "measure/measure_layer.h"

CopySelecting::CopySelecting(MeasureLayer& window, BenchMouseMode& handles, Platform& platform)
    : window_(window), handles_(handles), platform_(platform) {}

// Until the mouse has moved over the picture since Measure went off, it may still show the
// measuring cross, and a press there starts no frame.
bool CopySelecting::showsDefaultCursor() const {
    return window_.planeim.cursor == Cursor::Arrow;
}

void CopySelecting::picturePressed(Point at) {
    if (!showsDefaultCursor()) {
        return;
    }
    anchor_ = at;
    Shape& frame = window_.copyshape;
    frame.visible = true;
    frame.setBounds(window_.planeim.left + at.x, window_.planeim.top + at.y, 0, 0);
}

void CopySelecting::pictureMoved(Point at) {
    if (!dragSelection(at)) {
        if (const std::optional<std::string> hint = pictureHint()) {
            window_.hintslb.caption = *hint;
        }
    }
    window_.planeim.cursor = Cursor::Arrow;
}

// The frame spans the start and the mouse whichever way the mouse went, and may reach past
// the picture; nothing is redrawn.
bool CopySelecting::dragSelection(Point at) {
    if (!anchor_ || !showsDefaultCursor()) {
        return false;
    }
    Shape& frame = window_.copyshape;
    frame.left = window_.planeim.left + std::min(at.x, anchor_->x);
    frame.top = window_.planeim.top + std::min(at.y, anchor_->y);
    frame.height = std::abs(at.y - anchor_->y);
    frame.width = std::abs(at.x - anchor_->x);
    return true;
}

// A frame without area (a click, or a drag along one line) copies nothing: the clipboard
// keeps what it held rather than receiving an empty picture.
void CopySelecting::pictureReleased() {
    anchor_.reset();
    Shape& frame = window_.copyshape;
    if (!frame.visible) {
        return;
    }
    frame.visible = false;
    if (frame.width <= 0 || frame.height <= 0) {
        return;
    }
    Canvas& selection = *window_.Image1.canvas;
    // Emptied first, so that where the frame reaches past the bench picture the copy is
    // white, not what an earlier selection left there.
    selection.resize(0, 0);
    selection.resize(frame.width, frame.height);
    const int left = frame.left - window_.planeim.left;
    const int top = frame.top - window_.planeim.top;
    selection.copyRect({0, 0, frame.width, frame.height}, window_.planeCanvas(),
                       {left, top, left + frame.width, top + frame.height});
    platform_.copyToClipboard(selection);
}

void CopySelecting::leave() {
    anchor_.reset();
    window_.copyshape.visible = false;
    handles_.leave();
}
