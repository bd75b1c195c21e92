// SPDX-License-Identifier: MIT
// The bench's state as the window's creation leaves it, before the edition's set-up.
#include "shell/treframain.h"

void Treframain::FormCreate() {
    bench.geometryChanged = false;
    bench.colourCount = 1;
    bench.rayColours = {{colours::orange, colours::green, colours::blue}};
    bench.sourceAngle = {};

    bench.benchMidY = planeim.height / 2;
    bench.benchMidX = planeim.width / 2;
    bench.radiusUnit = planeim.height / 2.0;

    // The centre handle's top-left corner, not its centre, sits on the bench centre, so the
    // first trace finds the device 2 pixels right of and below the bench centre.
    centerg.top = planeim.height / 2 + planeim.top;
    centerg.left = planeim.width / 2 + planeim.left;

    bench.apertureTop = 10;
    bench.apertureBottom = planeim.height - 10;

    bench.handleShapes[7] = &mid1;
    bench.handleShapes[8] = &mid2;
    bench.handleShapes[9] = &mid3;
    bench.slitOffset = {{0, -1, 1, -2, 2}};
    bench.handleShapes[4] = &ssh1;
    bench.handleShapes[1] = &dsh1;
    bench.handleShapes[5] = &ssh2;
    bench.handleShapes[2] = &dsh2;
    bench.handleShapes[6] = &ssh3;
    bench.handleShapes[3] = &dsh3;

    bench.redrawSpeed = 15;
    bench.handleDragging = false;
    bench.zoomFactor = 1.0;

    rightcb.itemIndex = 1;
    leftcb.itemIndex = 1;
    bench.surfaceKind = {{kConvex, kConvex}};

    bench.radiusFactor[1] = lradiussb.position() / 10.0;
    bench.radiusFactor[2] = rradiussb.position() / 10.0;
    // The lens rule for a convex surface, whatever the edition: the edition is chosen later.
    const int halfAperture = bench.benchMidY - bench.apertureTop;
    for (int side = kLeftSide; side <= kRightSide; ++side) {
        bench.surfaceCentreDist[side] =
            chordCentreDistance(bench.radiusFactor[side] * bench.radiusUnit, halfAperture);
    }

    bench.airIndex() = 1.0;
    bench.glassIndex() = 1.5;

    const double apertureHeight = bench.apertureBottom - bench.apertureTop;
    for (int i = 1; i <= 3; ++i) {
        bench.aimHeightRatio[i] = (aimHandle(i).top - centerg.top) / apertureHeight;
    }

    drawlensbtClick();

    form.height = 600;
    form.width = 800;
}
