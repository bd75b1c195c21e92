// SPDX-License-Identifier: MIT
// The switch that turns the bench's mouse to copying a framed part of the picture.
#include "measure/measure_layer.h"

void MeasureLayer::Enablecopyselect1Click(Control&) {
    Enablecopyselect1.checked = !Enablecopyselect1.checked;
    chooseMouseMode();
}
