// SPDX-License-Identifier: MIT
#pragma once

#include "measure/measure_layer.h"

struct DisplaySwitches;

// The experiments' layer of the main window: the nine items of the two "&Experiments"
// menus. Each sets up a whole experiment in one click through the handlers of every layer
// below (the device, the sources, Reset and the zoom, the switches, measuring), so it sits
// above them all.
class ExperimentsLayer : public MeasureLayer {
  public:
    ExperimentsLayer(Platform& platform, const CanvasFactory& makeCanvas);

    void Rectangularprism1Click(Control& sender);
    void DoubleConvexLens1Click(Control& sender);
    void DoubleConcaveLens1Click(Control& sender);
    void SemiCircularLeft1Click(Control& sender);
    void SemicircularPrismRight1Click(Control& sender);
    void CircularLens1Click(Control& sender);
    void PlaneMirror1Click(Control& sender);
    void ConvexMirror1Click(Control& sender);
    void Concavemirror1Click(Control& sender);

  private:
    void setSwitch(MenuItem& item, bool on);
    void startExperiment();
    void singleSourceThenReset(int zoom);
    void resetThenSources(int zoom, int sources);
    void keepSourceCount(int sources);
    void applySwitches(const DisplaySwitches& on);
    void editKind(ComboBox& box, int itemIndex);
};
