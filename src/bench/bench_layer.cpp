// SPDX-License-Identifier: MIT
#include "bench/bench_layer.h"

BenchLayer::BenchLayer(const CanvasFactory& makeCanvas)
    : MainWindowControls(makeCanvas),
      bench(planeim, lensim, centerg,
            {{&dsh1, &dsh2, &dsh3, &ssh1, &ssh2, &ssh3, &mid1, &mid2, &mid3}}) {
    drawlensbt.onClick = [this](Control&) { drawlensbtClick(); };
    plotbt.onClick = [this](Control&) { plotbtClick(); };
    flashlightbt.onClick = [this](Control&) { flashlightbtClick(); };
    glassindex.onChange = airindex.onChange = [this](Control& sender) { airindexChange(sender); };
    glassindex.onExit = airindex.onExit = [this](Control& sender) { airindexExit(sender); };
    Oneclrb.onClick = threeclrb.onClick = [this](Control& sender) { OneclrbClick(sender); };
    Colour1.onClick = BW1.onClick = [this](Control& sender) { Colour1Click(sender); };
}

void BenchLayer::drawlensbtClick() {
    showReadout(bench.drawDevice(benchSettings()));
}

void BenchLayer::plotbtClick() {
    showReadout(bench.drawRays(benchSettings()));
}

void BenchLayer::flashlightbtClick() {
    bench.drawLightSources(benchSettings());
}

// With no ray traced the read-out keeps what it said.
void BenchLayer::showReadout(const std::optional<std::string>& readout) {
    if (readout) {
        ianglelb.caption = *readout;
    }
}

void BenchLayer::setMouseMode(BenchMouseMode& mode) {
    if (mouseMode_ != nullptr && mouseMode_ != &mode) {
        mouseMode_->leave();
    }
    mouseMode_ = &mode;
}
