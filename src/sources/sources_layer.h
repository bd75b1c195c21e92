// SPDX-License-Identifier: MIT
#pragma once

#include "bench/bench_layer.h"

// The sources' layer of the main window: the numbers of sources and slits, the slit
// width, the point source, and which handles show.
class SourcesLayer : public BenchLayer {
  public:
    explicit SourcesLayer(const CanvasFactory& makeCanvas);

    void N02Click(Control& sender);
    void N24Click(Control& sender);
    void slitsbChange(Control& sender);
    void Pointsource1Click(Control& sender);

  protected:
    // While measuring no handle lies on the bench; otherwise those of the sources in use.
    void showHandlesForMeasuring(bool measuring);
    void keepHandlesOffTheBenchWhileMeasuring();
};
