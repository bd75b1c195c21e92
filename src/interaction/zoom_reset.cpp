// SPDX-License-Identifier: MIT
// Zoom about the device centre, and Reset: device back in the middle, sources lined up.
#include <string>

#include "canvas/pixel.h"
#include "interaction/interaction_layer.h"
#include "window/option_captions.h"

namespace {

// Reset lines the sources up at this Left, well clear of any device.
constexpr int kResetSourceLeft = 80;

}  // namespace

void InteractionLayer::scalesbChange(Control&) {
    mouseMode().abandon();
    // The percentage is of the bar's maximum, not the magnification: 10 reads 25%.
    zoomlb.caption = zoomCaption(truncPixel(scalesb.position() * 100.0 / scalesb.max));
    setZoom(bench, scalesb.position());
    for (int i = 1; i <= 3; ++i) {
        aimHandle(i).top =
            truncPixel((bench.apertureBottom - bench.apertureTop) * bench.aimHeightRatio[i]) +
            centerg.top;
    }
    bench.geometryChanged = true;
    bench.radiusFactor[kLeftSide] =
        lradiussb.position() / kRadiusPositionsPerUnit * bench.zoomFactor;
    bench.radiusFactor[kRightSide] =
        rradiussb.position() / kRadiusPositionsPerUnit * bench.zoomFactor;
    rdbtClick();
    drawlensbtClick();
}

void InteractionLayer::rdbtClick() {
    // After a zoom a convex surface passes through the aperture ends again, in either
    // edition; a convex mirror gets its own rule back from the surface handler.
    const int halfAperture = bench.benchMidY - bench.apertureTop;
    for (int side = kLeftSide; side <= kRightSide; ++side) {
        const double radius = bench.radiusFactor[side] * bench.radiusUnit;
        if (bench.surfaceKind[side] == kConvex) {
            bench.surfaceCentreDist[side] = chordCentreDistance(radius, halfAperture);
        } else if (bench.surfaceKind[side] == kConcave) {
            bench.surfaceCentreDist[side] = radius;
        }
    }
}

void InteractionLayer::resetbtClick(Control&) {
    centerg.top = planeim.height / 2 + planeim.top;
    centerg.left = planeim.width / 2 + planeim.left;
    scalesb.setPosition(kZoomUnity);
    bench.geometryChanged = true;
    const int step = (bench.apertureBottom - bench.apertureTop) / 8;
    const double apertureHeight = bench.apertureBottom - bench.apertureTop;
    for (int i = 1; i <= 3; ++i) {
        sourceHandle(i).top = step * (i - 2) + centerg.top;
        aimHandle(i).top = step * (i - 2) + centerg.top;
        bench.aimHeightRatio[i] = (aimHandle(i).top - centerg.top) / apertureHeight;
        sourceHandle(i).left = kResetSourceLeft;
        bench.sourceAngle[i] = 0.0;
    }
    drawlensbtClick();
    plotbtClick();
}
