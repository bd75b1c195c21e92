// SPDX-License-Identifier: MIT
// Dragging the handles: a source handle turns its ray, an aim handle slides the point of
// contact along the device's left face, a middle handle shifts the ray parallel, and the
// centre handle carries the device with every handle.
#include <cmath>
#include <numbers>
#include <optional>

#include "bench/ray_path.h"
#include "controls/handle_geometry.h"
#include "interaction/hints.h"
#include "interaction/interaction_layer.h"

namespace {

// Direction from a source handle to its aim handle (radians, y down); none when the two
// coincide, for then there is no line to follow.
std::optional<double> handleDirection(int dx, int dy) {
    if (dx == 0) {
        if (dy == 0) {
            return std::nullopt;
        }
        return std::numbers::pi / 2;
    }
    return std::atan(static_cast<double>(dy) / dx);
}

// The step a handle at `position` may take towards `position + step` within a picture
// edge that starts at `low` and is `extent` long: beyond the far edge it stops 4 pixels
// inside, so that the whole handle stays on the picture.
int stepWithin(int position, int step, int low, int extent) {
    if (position + step < low) {
        return low - position;
    }
    if (position + step > low + extent) {
        return low + extent - position - (kHandleSize - 1);
    }
    return step;
}

}  // namespace

void InteractionLayer::dsh1MouseDown(Shape&, MouseButton, int, int) {
    bench.handleDragging = true;
    plotbtClick();
}

void InteractionLayer::dsh1MouseMove(Shape& sender, int x, int y) {
    const HandleOf grabbed = handleOf(sender);
    const bool sourceGrabbed = grabbed.role == HandleRole::Source;
    hintslb.caption = sourceGrabbed ? hints::kSourceHandle : hints::kAimHandle;
    if (!bench.handleDragging) {
        return;
    }
    recomputeDeviceOffset();
    const int i = grabbed.source;
    if (sourceGrabbed) {
        sender.top += y - kSourceGrip;
        sender.left += x - kSourceGrip;
        keepLeftOfTheDevice(sender);
    } else {
        sender.top = clampedAimTop(sender.top + y);
        settleDraggedAim(i);
    }
    placeMiddleHandle(i);
    updateSourceAngle(i);
    if (Pointsource1.checked) {
        gatherOnSourceOne();
    }
    plotbtClick();
}

void InteractionLayer::mid1MouseMove(Shape& sender, int, int y) {
    hintslb.caption = hints::kMiddleHandle;
    if (!bench.handleDragging) {
        return;
    }
    const int i = handleOf(sender).source;
    Shape& aim = aimHandle(i);
    const int d = clampedAimTop(aim.top + y) - aim.top;
    sourceHandle(i).top += d;
    aim.top += d;
    settleDraggedAim(i);
    // On a curved face the aim slides sideways, so the line to it turns slightly; the
    // source keeps its recorded direction until it or its aim is dragged.
    placeMiddleHandle(i);
    plotbtClick();
}

void InteractionLayer::centergMouseMove(Shape&, int x, int y) {
    hintslb.caption = hints::kCentreHandle;
    if (!bench.handleDragging) {
        return;
    }
    moveDevice(stepWithin(centerg.left, x, planeim.left, planeim.width),
               stepWithin(centerg.top, y, planeim.top, planeim.height));
    drawlensbtClick();
}

void InteractionLayer::dsh1MouseUp(Shape&, MouseButton, int, int) {
    bench.handleDragging = false;
    if (incidentray1.checked) {
        plotbtClick();
    }
    // Counted without wrapping: the next click on the bench brings the phase back.
    ++bench.measureStep;
}

// An aim handle stays on the device's left face, inside the aperture.
int InteractionLayer::clampedAimTop(int top) const {
    const int lowest = planeim.top + bench.deviceOffsetY + bench.apertureTop + 1;
    const int highest = planeim.top + bench.deviceOffsetY + bench.apertureBottom - 3;
    if (top < lowest) {
        return lowest;
    }
    if (top > highest) {
        return highest;
    }
    return top;
}

// The Left that puts an aim handle at this Top where the tracer starts the first slit's
// ray, its centre two pixels left of the face.
int InteractionLayer::leftFaceLeft(int aimTop) const {
    const int row = aimTop - planeim.top + kHandleCentre - bench.deviceOffsetY;
    return aimLeftAt(leftSurfaceEntry(bench, row).x1);
}

// A zoom re-places the aim handle from its height within the aperture.
void InteractionLayer::settleDraggedAim(int i) {
    Shape& aim = aimHandle(i);
    aim.left = leftFaceLeft(aim.top);
    bench.aimHeightRatio[i] =
        (aim.top - centerg.top) / static_cast<double>(bench.apertureBottom - bench.apertureTop);
}

void InteractionLayer::updateSourceAngle(int i) {
    const std::optional<double> direction = handleDirection(
        aimHandle(i).left - sourceHandle(i).left, aimHandle(i).top - sourceHandle(i).top);
    if (direction) {
        bench.sourceAngle[i] = *direction;
    }
}

void InteractionLayer::moveDevice(int dx, int dy) {
    centerg.left += dx;
    centerg.top += dy;
    for (int i = 1; i <= 3; ++i) {
        for (Shape* handle : {&aimHandle(i), &sourceHandle(i), &middleHandle(i)}) {
            handle->left += dx;
            handle->top += dy;
        }
    }
}

// A key move is a drag by (dx, dy) with the mouse: a press, one move, a release, through the
// very handlers the mouse runs, so that every clamp, redraw, read-out and hint is theirs. The
// move gives the mouse where a drag by (dx, dy) would put it, relative to the handle.
void InteractionLayer::moveHandleByKeys(Shape& handle, int dx, int dy) {
    if (!handle.visible) {
        return;
    }
    dsh1MouseDown(handle, MouseButton::Left, kSourceGrip, kSourceGrip);
    switch (handleOf(handle).role) {
        case HandleRole::Source:
            dsh1MouseMove(handle, kSourceGrip + dx, kSourceGrip + dy);
            break;
        case HandleRole::Aim:
            dsh1MouseMove(handle, 0, dy);
            break;
        case HandleRole::Middle:
            mid1MouseMove(handle, 0, dy);
            break;
        case HandleRole::Centre:
            centergMouseMove(handle, dx, dy);
            break;
    }
    dsh1MouseUp(handle, MouseButton::Left, kSourceGrip, kSourceGrip);
}
