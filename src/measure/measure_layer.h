// SPDX-License-Identifier: MIT
#pragma once

#include "controls/key_pointer.h"
#include "interaction/interaction_layer.h"
#include "platform/platform.h"

#include <optional>
#include <string>

// The measuring layer of the main window: the Measure switch and mode, the bench's own
// mouse handlers that drive the ruler and the protractor, and the copy selection.
class MeasureLayer : public InteractionLayer {
  public:
    MeasureLayer(Platform& platform, const CanvasFactory& makeCanvas);

    void domeasurecbClick(Control& sender);
    void measurerbClick(Control& sender);
    // Also the mouse-move handler of the window and of Panel1, with their coordinates.
    void planeimMouseMove(int x, int y);
    void planeimMouseDown(MouseButton button, int x, int y);
    void planeimMouseUp(MouseButton button, int x, int y);
    void Enablecopyselect1Click(Control& sender);
    // The copy selection's share of the bench's mouse handlers: while a selection is dragged
    // under the default cursor the frame follows the mouse (the answer says whether it did);
    // finishing copies the framed part of the bench picture to the clipboard.
    bool dragCopySelection(int x, int y);
    void finishCopySelection();

    // Measuring from the keyboard, on the bench picture while Measure is on: Home puts a
    // pointer on the point of the handle that last had the focus (the device centre before
    // any), the arrows move it as the mouse would move, Enter or Space clicks there.
    void handleFocused(const Shape& handle);
    void startPointerByKey();
    void movePointerByKeys(int dx, int dy);
    void clickPointerByKey();
    KeyPointer keyPointer;

    // What the status line says of the bench now, which also describes the bench picture
    // to assistive technology; none where the hint stays as it was.
    std::optional<std::string> benchHint() const;

  protected:
    Platform& platform_;

  private:
    const Shape* lastFocusedHandle_ = nullptr;
    Point pointerStart() const;
    bool angleMode() const { return measureMode == MeasureMode::Angle; }
    void showBenchHint();
    void measureAt(int x, int y);
    void measureAngleAt(int x, int y);
};
