// SPDX-License-Identifier: MIT
// The kind and radius of each surface, and the device's width.
#include <string>

#include "controls/translation.h"
#include "devices/devices_layer.h"
#include "window/option_captions.h"

void DevicesLayer::lradiussbChange(Control& sender) {
    const int side = carriedValue(sender);
    mouseMode().abandon();
    bench.geometryChanged = true;
    if (&sender == &lradiussb || &sender == &rradiussb) {
        const int position = static_cast<ScrollBar&>(sender).position();
        (side == kLeftSide ? lradiuslb : Rradiuslb).caption = radiusCaption(position);
        bench.radiusFactor[side] = position * bench.zoomFactor / kRadiusPositionsPerUnit;
    } else {
        bench.surfaceKind[side] = static_cast<ComboBox&>(sender).itemIndex + 1;
    }

    const double radius = bench.radiusFactor[side] * bench.radiusUnit;
    if (bench.surfaceKind[side] == kConvex && !mirror()) {
        // A lens surface passes through both ends of the aperture on its base line.
        bench.surfaceCentreDist[side] =
            chordCentreDistance(radius, bench.benchMidY - bench.apertureTop);
    } else if (bench.surfaceKind[side] != kPlane) {
        // A concave surface, or a convex mirror, has its vertex on the base line.
        bench.surfaceCentreDist[side] = radius;
    }

    // The redraw re-places every source after the change of geometry, and stops one that
    // the surface now bulges over at its clearance from the device.
    drawlensbtClick();
}

void DevicesLayer::widthsbChange(Control&) {
    mouseMode().abandon();
    bench.deviceWidth = widthsb.position() * bench.zoomFactor;
    llb.caption = std::to_string(widthsb.position());
    bench.geometryChanged = true;
    drawlensbtClick();
}
