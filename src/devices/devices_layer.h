// SPDX-License-Identifier: MIT
#pragma once

#include "sources/sources_layer.h"

struct DisplaySwitches;

// The devices' layer of the main window: the device picture (redraw device), lens or
// mirror, the nine experiments, the surfaces' kinds and radii and the width. The
// experiments reach Reset, the zoom and the switches of the layers above through those
// controls, as the user's own clicks would.
class DevicesLayer : public SourcesLayer {
  public:
    explicit DevicesLayer(const CanvasFactory& makeCanvas);

    void drawlensbtClick();
    void Lens1Click(Control& sender);
    void Mirror1Click(Control& sender);
    void lensrbClick();
    void Rectangularprism1Click(Control& sender);
    void DoubleConvexLens1Click(Control& sender);
    void DoubleConcaveLens1Click(Control& sender);
    void SemiCircularLeft1Click(Control& sender);
    void SemicircularPrismRight1Click(Control& sender);
    void CircularLens1Click(Control& sender);
    void PlaneMirror1Click(Control& sender);
    void ConvexMirror1Click(Control& sender);
    void Concavemirror1Click(Control& sender);
    void lradiussbChange(Control& sender);
    void widthsbChange(Control& sender);

  private:
    void setDevice(Edition device);
    void keepSourcesClearOfTheDevice();
    void setSwitch(MenuItem& item, bool on);
    void startExperiment();
    void singleSourceThenReset(int zoom);
    void resetThenSources(int zoom, int sources);
    void keepSourceCount(int sources);
    void applyLensSwitches(const DisplaySwitches& on);
    void applyMirrorSwitches(const DisplaySwitches& on);
    void editKind(ComboBox& box, int itemIndex);
};
