// SPDX-License-Identifier: MIT
// Measuring on the bench: the Measure switch and mode, and the bench picture's mouse, which
// slides the options group away and hands everything else to the bench's mouse mode.
#include <optional>
#include <string>

#include "controls/translation.h"
#include "measure/measure_layer.h"

namespace {

// The read-out before the first measurement, the start of what it will say.
std::string modeCaption(MeasureMode mode) {
    return mode == MeasureMode::Angle ? text::translate("Measuring", "Angles are")
                                      : text::translate("Measuring", "Distance =");
}

}  // namespace

void MeasureLayer::domeasurecbClick(Control&) {
    const bool measuring = domeasurecb.checked();
    showHandlesForMeasuring(measuring);
    anslb.visible = measuring;
    anslb.caption = modeCaption(measureMode);
    chooseMouseMode();
    mouseMode().abandon();
    plotbtClick();
}

void MeasureLayer::measurerbClick(Control& sender) {
    measureMode = carriedValue(sender) == 1 ? MeasureMode::Angle : MeasureMode::Length;
    anslb.caption = modeCaption(measureMode);
    mouseMode().abandon();
}

// Measuring comes first: with Measure on, the mouse measures whether or not copying is
// enabled.
void MeasureLayer::chooseMouseMode() {
    if (domeasurecb.checked()) {
        setMouseMode(measuring);
    } else if (Enablecopyselect1.checked) {
        setMouseMode(copySelecting);
    } else {
        setMouseMode(draggingHandles_);
    }
}

void MeasureLayer::planeimMouseMove(int x, int y) {
    slideOptionsGroupAway();
    mouseMode().pictureMoved({x, y});
}

void MeasureLayer::planeimMouseDown(MouseButton, int x, int y) {
    mouseMode().picturePressed({x, y});
}

void MeasureLayer::planeimMouseUp(MouseButton, int, int) {
    mouseMode().pictureReleased();
}

std::optional<std::string> MeasureLayer::benchHint() const {
    return mouseMode().pictureHint();
}
