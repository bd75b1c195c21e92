// SPDX-License-Identifier: MIT
#include "sources/sources_layer.h"

SourcesLayer::SourcesLayer(const CanvasFactory& makeCanvas) : BenchLayer(makeCanvas) {
    for (MenuItem* item : rays11.items) {
        item->onClick = [this](Control& sender) { N02Click(sender); };
    }
    for (MenuItem* item : Slits11.items) {
        item->onClick = [this](Control& sender) { N24Click(sender); };
    }
    slitsb.onChange = [this](Control& sender) { slitsbChange(sender); };
    Pointsource1.onClick = [this](Control& sender) { Pointsource1Click(sender); };
}
