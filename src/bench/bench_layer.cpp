// SPDX-License-Identifier: MIT
#include "bench/bench_layer.h"

BenchLayer::BenchLayer(const CanvasFactory& makeCanvas) : MainWindowControls(makeCanvas) {
    drawlensbt.onClick = [this](Control&) { drawlensbtClick(); };
    plotbt.onClick = [this](Control&) { plotbtClick(); };
    flashlightbt.onClick = [this](Control&) { flashlightbtClick(); };
    glassindex.onChange = airindex.onChange = [this](Control& sender) { airindexChange(sender); };
    glassindex.onExit = airindex.onExit = [this](Control& sender) { airindexExit(sender); };
    Oneclrb.onClick = threeclrb.onClick = [this](Control& sender) { OneclrbClick(sender); };
    Colour1.onClick = BW1.onClick = [this](Control& sender) { Colour1Click(sender); };
}
