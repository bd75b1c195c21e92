// SPDX-License-Identifier: MIT
#pragma once

#include "sources/sources_layer.h"

// The devices' layer of the main window: lens or mirror, the surfaces' kinds and radii and
// the width.
class DevicesLayer : public SourcesLayer {
  public:
    explicit DevicesLayer(const CanvasFactory& makeCanvas);

    void Lens1Click(Control& sender);
    void Mirror1Click(Control& sender);
    void lensrbClick();
    void lradiussbChange(Control& sender);
    void widthsbChange(Control& sender);

  private:
    void setDevice(Edition device);
};
