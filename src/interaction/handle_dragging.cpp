// SPDX-License-Identifier: MIT
#include "interaction/handle_dragging.h"
#include "controls/translation.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "controls/handle_geometry.h"
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

DraggingHandles::DraggingHandles(InteractionLayer& window) : window_(window) {}

void DraggingHandles::handlePressed(Shape& handle) {
    grab_ = Grab{&handle, handleOf(handle)};
    window_.bench.handleHeld = true;
    window_.plotbtClick();
}

void DraggingHandles::handleMoved(Shape&, int x, int y) {
    if (!grab_) {
        return;
    }
    Shape& handle = *grab_->handle;
    const int source = grab_->of.source;
    switch (grab_->of.role) {
        case HandleRole::Source:
            dragSource(handle, source, x, y);
            break;
        case HandleRole::Aim:
            dragAim(handle, source, y);
            break;
        case HandleRole::Middle:
            dragMiddle(source, y);
            break;
        case HandleRole::Centre:
            dragDevice(x, y);
            break;
    }
}

void DraggingHandles::handleReleased() {
    grab_.reset();
    window_.bench.handleHeld = false;
    // The held lines go with the grab.
    if (window_.incidentray1.checked) {
        window_.plotbtClick();
    }
}

// A grab that outlives its mode is let go without a redraw: the next one draws the bench
// as the new mode has it.
void DraggingHandles::leave() {
    grab_.reset();
    window_.bench.handleHeld = false;
}

void DraggingHandles::pictureMoved(Point) {
    if (const std::optional<std::string> hint = pictureHint()) {
        window_.hintslb.caption = *hint;
    }
    window_.planeim.cursor = Cursor::Arrow;
}

std::optional<std::string> DraggingHandles::pictureHint() const {
    return text::translate("Hints",
                           "Right click to copy image.\rSee Menus to change what is displayed");
}

std::optional<Point> DraggingHandles::pointerMovingBy(int dx, int dy) const {
    if (!grab_) {
        return std::nullopt;
    }
    switch (grab_->of.role) {
        case HandleRole::Source:
            return Point{kSourceGrip + dx, kSourceGrip + dy};
        case HandleRole::Centre:
            return Point{dx, dy};
        default:
            // Aim and middle handles follow the mouse up and down only, their top at it.
            return Point{0, dy};
    }
}

void DraggingHandles::dragSource(Shape& handle, int source, int x, int y) {
    handle.top += y - kSourceGrip;
    handle.left += x - kSourceGrip;
    window_.bench.keepLeftOfTheDevice(handle);
    window_.bench.placeMiddleHandle(source);
    updateSourceAngle(source);
    if (window_.Pointsource1.checked) {
        window_.bench.gatherOnSourceOne();
    }
    window_.plotbtClick();
}

void DraggingHandles::dragAim(Shape& aim, int source, int y) {
    aim.top = clampedAimTop(aim.top + y);
    settleDraggedAim(source);
    window_.bench.placeMiddleHandle(source);
    updateSourceAngle(source);
    if (window_.Pointsource1.checked) {
        window_.bench.gatherOnSourceOne();
    }
    window_.plotbtClick();
}

void DraggingHandles::dragMiddle(int source, int y) {
    Bench& bench = window_.bench;
    Shape& aim = bench.aimHandle(source);
    const int d = clampedAimTop(aim.top + y) - aim.top;
    bench.sourceHandle(source).top += d;
    aim.top += d;
    settleDraggedAim(source);
    // On a curved face the aim slides sideways, so the line to it turns slightly; the
    // source keeps its recorded direction until it or its aim is dragged.
    bench.placeMiddleHandle(source);
    window_.plotbtClick();
}

void DraggingHandles::dragDevice(int x, int y) {
    const Shape& centre = window_.centerg;
    const Picture& picture = window_.planeim;
    window_.bench.moveDevice(stepWithin(centre.left, x, picture.left, picture.width),
                             stepWithin(centre.top, y, picture.top, picture.height));
    window_.drawlensbtClick();
}

// An aim handle stays on the device's left face, inside the aperture.
int DraggingHandles::clampedAimTop(int top) const {
    const Bench& bench = window_.bench;
    const int pictureTop = window_.planeim.top;
    const int lowest = pictureTop + bench.deviceOffsetY + bench.apertureTop + 1;
    const int highest = pictureTop + bench.deviceOffsetY + bench.apertureBottom - 3;
    if (top < lowest) {
        return lowest;
    }
    if (top > highest) {
        return highest;
    }
    return top;
}

// A zoom re-places the aim handle from its height within the aperture.
void DraggingHandles::settleDraggedAim(int source) {
    Bench& bench = window_.bench;
    Shape& aim = bench.aimHandle(source);
    aim.left = bench.leftFaceLeft(aim.top);
    bench.aimHeightRatio[source] = (aim.top - window_.centerg.top) /
                                   static_cast<double>(bench.apertureBottom - bench.apertureTop);
}

void DraggingHandles::updateSourceAngle(int source) {
    Bench& bench = window_.bench;
    const std::optional<double> direction =
        handleDirection(bench.aimHandle(source).left - bench.sourceHandle(source).left,
                        bench.aimHandle(source).top - bench.sourceHandle(source).top);
    if (direction) {
        bench.sourceAngle[source] = *direction;
    }
}
