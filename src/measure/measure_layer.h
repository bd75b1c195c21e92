// SPDX-License-Identifier: MIT
#pragma once

#include "interaction/interaction_layer.h"
#include "platform/platform.h"

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

  protected:
    Platform& platform_;

  private:
    bool angleMode() const { return measureMode == MeasureMode::Angle; }
    void showBenchHint();
    void measureAt(int x, int y);
    void measureAngleAt(int x, int y);
};
