// SPDX-License-Identifier: MIT
// Copying a rectangle of the bench: with "Enable Copy Select" on, pressing on the bench and
// dragging draws a dashed frame; releasing copies the framed part of the picture.
#include <algorithm>
#include <cstdlib>

#include "measure/measure_layer.h"

void MeasureLayer::Enablecopyselect1Click(Control&) {
    Enablecopyselect1.checked = !Enablecopyselect1.checked;
}

// A selection starts only under the default cursor: the cross cursor means the measuring
// tool owns the clicks, and both use markX and markY. Measure switched on owns them at
// once, before the mouse has moved and the cross shows.
void MeasureLayer::planeimMouseDown(MouseButton, int x, int y) {
    if (domeasurecb.checked() && bench.measureStep == 0) {
        // The click that fixes the tool's origin fixes it where it is pressed, as a move
        // there would have put it, also when no move came first (a key on the bench).
        bench.markX = x;
        bench.markY = y;
        bench.armX = x + 20;
        bench.armY = y;
    }
    if (!Enablecopyselect1.checked || domeasurecb.checked() || planeim.cursor != Cursor::Arrow) {
        return;
    }
    bench.selectDragging = true;
    copyshape.visible = true;
    copyshape.setBounds(planeim.left + x, planeim.top + y, 0, 0);
    bench.markX = x;
    bench.markY = y;
    bench.dragX = x;
    bench.dragY = y;
}

// The frame spans the start and the mouse whichever way the mouse went, and may reach past
// the picture; nothing is redrawn.
bool MeasureLayer::dragCopySelection(int x, int y) {
    if (!bench.selectDragging || planeim.cursor != Cursor::Arrow) {
        return false;
    }
    bench.markX = x;
    bench.markY = y;
    copyshape.left = planeim.left + std::min(bench.markX, bench.dragX);
    copyshape.top = planeim.top + std::min(bench.markY, bench.dragY);
    copyshape.height = std::abs(bench.markY - bench.dragY);
    copyshape.width = std::abs(bench.markX - bench.dragX);
    return true;
}

// A frame without area (a click, or a drag along one line) copies nothing: the clipboard
// keeps what it held rather than receiving an empty picture.
void MeasureLayer::finishCopySelection() {
    bench.selectDragging = false;
    if (!copyshape.visible) {
        return;
    }
    copyshape.visible = false;
    if (copyshape.width <= 0 || copyshape.height <= 0) {
        return;
    }
    Canvas& selection = *Image1.canvas;
    // Emptied first, so that where the frame reaches past the bench picture the copy is
    // white, not what an earlier selection left there.
    selection.resize(0, 0);
    selection.resize(copyshape.width, copyshape.height);
    const int left = copyshape.left - planeim.left;
    const int top = copyshape.top - planeim.top;
    selection.copyRect({0, 0, copyshape.width, copyshape.height}, planeCanvas(),
                       {left, top, left + copyshape.width, top + copyshape.height});
    platform_.copyToClipboard(selection);
}
