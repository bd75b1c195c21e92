// SPDX-License-Identifier: MIT
#include "devices/devices_layer.h"

DevicesLayer::DevicesLayer(const CanvasFactory& makeCanvas) : SourcesLayer(makeCanvas) {
    const auto on = [this](void (DevicesLayer::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    drawlensbt.onClick = [this](Control&) { drawlensbtClick(); };
    Lens1.onClick = on(&DevicesLayer::Lens1Click);
    Mirror1.onClick = on(&DevicesLayer::Mirror1Click);
    Rectangularprism1.onClick = on(&DevicesLayer::Rectangularprism1Click);
    DoubleConvexLens1.onClick = on(&DevicesLayer::DoubleConvexLens1Click);
    DoubleConcaveLens1.onClick = on(&DevicesLayer::DoubleConcaveLens1Click);
    SemiCircularLeft1.onClick = on(&DevicesLayer::SemiCircularLeft1Click);
    SemicircularPrismRight1.onClick = on(&DevicesLayer::SemicircularPrismRight1Click);
    CircularLens1.onClick = on(&DevicesLayer::CircularLens1Click);
    PlaneMirror1.onClick = on(&DevicesLayer::PlaneMirror1Click);
    ConvexMirror1.onClick = on(&DevicesLayer::ConvexMirror1Click);
    Concavemirror1.onClick = on(&DevicesLayer::Concavemirror1Click);
    leftcb.onChange = leftcb.onExit = on(&DevicesLayer::lradiussbChange);
    rightcb.onChange = rightcb.onExit = on(&DevicesLayer::lradiussbChange);
    lradiussb.onChange = rradiussb.onChange = on(&DevicesLayer::lradiussbChange);
    widthsb.onChange = on(&DevicesLayer::widthsbChange);
}
