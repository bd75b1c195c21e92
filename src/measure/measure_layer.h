// SPDX-License-Identifier: MIT
#pragma once

#include "controls/key_pointer.h"
#include "interaction/interaction_layer.h"
#include "measure/copy_selecting.h"
#include "measure/measuring_mode.h"
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

    // The bench's mouse while Measure is on, and while copying is enabled and it is off.
    MeasuringMode measuring;
    CopySelecting copySelecting;

  protected:
    Platform& platform_;

  private:
    const Shape* lastFocusedHandle_ = nullptr;
    Point pointerStart() const;
    // The Measure box, then "Enable Copy Select", choose what the bench's mouse does.
    void chooseMouseMode();
};
