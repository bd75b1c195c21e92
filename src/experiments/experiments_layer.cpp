// SPDX-License-Identifier: MIT
#include "experiments/experiments_layer.h"

ExperimentsLayer::ExperimentsLayer(Platform& platform, const CanvasFactory& makeCanvas)
    : MeasureLayer(platform, makeCanvas) {
    const auto on = [this](void (ExperimentsLayer::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    Rectangularprism1.onClick = on(&ExperimentsLayer::Rectangularprism1Click);
    DoubleConvexLens1.onClick = on(&ExperimentsLayer::DoubleConvexLens1Click);
    DoubleConcaveLens1.onClick = on(&ExperimentsLayer::DoubleConcaveLens1Click);
    SemiCircularLeft1.onClick = on(&ExperimentsLayer::SemiCircularLeft1Click);
    SemicircularPrismRight1.onClick = on(&ExperimentsLayer::SemicircularPrismRight1Click);
    CircularLens1.onClick = on(&ExperimentsLayer::CircularLens1Click);
    PlaneMirror1.onClick = on(&ExperimentsLayer::PlaneMirror1Click);
    ConvexMirror1.onClick = on(&ExperimentsLayer::ConvexMirror1Click);
    Concavemirror1.onClick = on(&ExperimentsLayer::Concavemirror1Click);
}
