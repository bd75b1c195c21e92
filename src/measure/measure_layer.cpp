// SPDX-License-Identifier: MIT
#include "measure/measure_layer.h"

MeasureLayer::MeasureLayer(Platform& platform, const CanvasFactory& makeCanvas)
    : InteractionLayer(makeCanvas),
      measuring(*this),
      copySelecting(*this, draggingHandles_, platform),
      platform_(platform) {
    domeasurecb.onClick = [this](Control& sender) { domeasurecbClick(sender); };
    measurerb.onClick = Anglerb.onClick = [this](Control& sender) { measurerbClick(sender); };
    Enablecopyselect1.onClick = [this](Control& sender) { Enablecopyselect1Click(sender); };
}
