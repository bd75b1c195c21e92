// SPDX-License-Identifier: MIT
#include "devices/devices_layer.h"

DevicesLayer::DevicesLayer(const CanvasFactory& makeCanvas) : SourcesLayer(makeCanvas) {
    const auto on = [this](void (DevicesLayer::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    Lens1.onClick = on(&DevicesLayer::Lens1Click);
    Mirror1.onClick = on(&DevicesLayer::Mirror1Click);
    leftcb.onChange = leftcb.onExit = on(&DevicesLayer::lradiussbChange);
    rightcb.onChange = rightcb.onExit = on(&DevicesLayer::lradiussbChange);
    lradiussb.onChange = rradiussb.onChange = on(&DevicesLayer::lradiussbChange);
    widthsb.onChange = on(&DevicesLayer::widthsbChange);
}
