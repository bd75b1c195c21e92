// SPDX-License-Identifier: MIT
// Redraw rays: the bench picture rebuilt from the device picture, every ray traced and
// drawn on it, the handles put where the rays say.
#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "bench/bench_layer.h"
#include "bench/device_outline.h"
#include "bench/ray_path.h"
#include "canvas/pixel.h"
#include "controls/handle_geometry.h"
#include "controls/number_text.h"

namespace {

// The steepest angle of incidence at which a ray still enters: one that would read 90.0
// degrees runs along the surface.
// While a handle is held, each source's line runs on this many times its own length.
constexpr int kExtensionFactor = 20;
// How far a source stops short of the device's edge.
constexpr int kSourceClearance = 5;
// An aim handle's centre lies this far in front of its ray's entry point.
constexpr int kAimGap = 2;

constexpr double kSteepestEntry = 89.95 * std::numbers::pi / 180.0;
// The read-out of a first ray that meets the device before the point it is aimed at.
constexpr const char* kNoIncidenceReadout = "No angle: the ray meets the device first.";

// "Angle of Incidence is 30.0 Degrees.": one decimal, right-aligned in four characters.
std::string incidenceReadout(double incidenceAngle) {
    const double degrees = std::fabs(incidenceAngle) * 180.0 / std::numbers::pi;
    return "Angle of Incidence is " + oneDecimalText(degrees, 4) + " Degrees.";
}

}  // namespace

void BenchLayer::plotbtClick() {
    bench.deviceWidth = widthsb.position() * bench.zoomFactor;
    recomputeDeviceOffset();

    Canvas& canvas = planeCanvas();
    const Rect whole{0, 0, canvas.width(), canvas.height()};
    canvas.copyRect(whole, lensCanvas(), whole);
    canvas.pen = Pen{};
    canvas.brush = Brush{};
    canvas.font = Font{};

    if (bench.handleDragging && incidentray1.checked) {
        drawIncidentExtensions();
    }
    tracedRays.clear();
    const RayPass pass{canvas,
                       bench,
                       mirror(),
                       ShowNormals1.checked,
                       Extendray1.checked,
                       truncPixel(bench.zoomFactor * 35),
                       planeim.width,
                       widthsb.position()};
    const int sources = Pointsource1.checked ? 3 : sourceCount;
    for (int i = 1; i <= sources; ++i) {
        for (int c = 1; c <= bench.colourCount; ++c) {
            for (int s = 1; s <= slitCount; ++s) {
                traceRay(pass, i, c, s);
            }
        }
    }

    drawCentresOfCurvature();
    canvas.pen.width = 1;
    if (ShowLightsource1.checked) {
        flashlightbt.click();
    }
    for (int i = 1; i <= sourceCount; ++i) {
        middleHandle(i).left = (sourceHandle(i).left + aimHandle(i).left) / 2;
        middleHandle(i).top = (sourceHandle(i).top + aimHandle(i).top) / 2;
    }
    const Point marker{centerg.left - planeim.left, centerg.top - planeim.top};
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::white;
    canvas.rectangle(marker.x, marker.y, marker.x + kHandleSize, marker.y + kHandleSize);
    bench.geometryChanged = false;
}

// While a handle is held, each source's line continues far past its aim handle.
void BenchLayer::drawIncidentExtensions() {
    Canvas& canvas = planeCanvas();
    canvas.pen.style = PenStyle::Dot;
    for (int i = 1; i <= sourceCount; ++i) {
        const Shape& source = sourceHandle(i);
        const Shape& aim = aimHandle(i);
        const Point from = benchCentre(source);
        canvas.moveTo(from.x, from.y);
        canvas.lineTo(from.x + kExtensionFactor * (aim.left - source.left),
                      from.y + kExtensionFactor * (aim.top - source.top));
    }
    canvas.pen.style = PenStyle::Solid;
}

// One ray: source i, colour c, slit s.
void BenchLayer::traceRay(const RayPass& pass, int i, int c, int s) {
    Shape& source = sourceHandle(i);
    Shape& aim = aimHandle(i);
    Canvas& canvas = planeCanvas();

    // Slits that would fall outside the device lie along its top or bottom edge.
    const int slitSpacing = truncPixel(slitsb.position() * bench.zoomFactor);
    int slitShift = bench.slitOffset[s] * slitSpacing;
    const int aimRow = benchCentre(aim).y;
    if (aimRow + slitShift < bench.apertureTop + bench.deviceOffsetY) {
        slitShift = bench.apertureTop + bench.deviceOffsetY - aimRow;
    } else if (aimRow + slitShift > bench.apertureBottom + bench.deviceOffsetY) {
        slitShift = bench.apertureBottom + bench.deviceOffsetY - aimRow;
    }
    const int y1 = aimRow + slitShift - bench.deviceOffsetY;
    const LeftSurfaceEntry entry = leftSurfaceEntry(bench, y1);

    if (s == 1) {
        aim.left = aimLeftAt(entry.x1);
    }
    if (bench.geometryChanged) {
        // The source keeps its direction and stands half a bench height back from its aim.
        source.left = aim.left - truncPixel(std::cos(bench.sourceAngle[i]) * bench.benchMidY);
        source.top = aim.top - truncPixel(std::sin(bench.sourceAngle[i]) * bench.benchMidY);
        // Re-placed steeply behind a device that bulges far to the left, a source could
        // land on or past the device; there it stops where a dragged source stops.
        if (benchCentre(source).x >= bench.deviceLeftX) {
            keepLeftOfTheDevice(source);
        }
        if (Pointsource1.checked) {
            source.top = dsh1.top;
            source.left = dsh1.left;
        }
    }

    const Vec2 p1{entry.x1, static_cast<double>(y1)};
    const Vec2 p0{p1.x - (aim.left - source.left), p1.y - (aim.top - source.top)};
    TracedRay& ray = tracedRays.emplace_back();
    ray.source = i;
    ray.colour = c;
    ray.slit = s;
    ray.start = p0;
    ray.aim = ray.incidentEnd = p1;
    ray.incidentAngle = travelDirection(p0, p1);
    // A ray enters where it is aimed only if it gets there from outside the device: not
    // through the device on the way, and not from behind the surface (an angle of
    // incidence of 90 degrees or more).
    const std::optional<Vec2> blocked =
        firstMeetingBeforeAim(bench, mirror(), p0, {leftSurfaceX(bench, y1), p1.y});
    if (ray.incidentAngle) {
        const double incidence = principalAngle(entry.normalAngle - *ray.incidentAngle);
        if (!blocked && std::fabs(incidence) < kSteepestEntry) {
            ray.incidence = incidence;
        }
    }
    if (!ray.incidence) {
        ray.incidentEnd = blocked.value_or(p1);
    }
    canvas.pen = {bench.sourceColour, 2, PenStyle::Solid};
    drawInDeviceFrame(canvas, bench, p0, ray.incidentEnd);
    if (i * c * s == 1) {
        ianglelb.caption = ray.incidence ? incidenceReadout(*ray.incidence) : kNoIncidenceReadout;
    }
    if (!ray.incidence) {
        return;
    }

    const int rayWidth = threeclrb.checked() ? 1 : 2;
    canvas.pen.color = bench.rayColours[c];
    if (ShowNormals1.checked) {
        canvas.pen = {colours::red, 1, PenStyle::Dot};
        canvas.brush.style = BrushStyle::Solid;
        drawInDeviceFrame(canvas, bench, along(p1, entry.normalAngle, pass.normalLength),
                          backward(p1, entry.normalAngle, pass.normalLength));
        canvas.pen = {bench.rayColours[c], rayWidth, PenStyle::Solid};
    }
    ray.exit = traceThroughDevice(
        pass, {p1, *ray.incidentAngle, entry.normalAngle, c, rayWidth, !ShowRefraction1.checked});
}

// A source stays clear of the device's left edge. deviceLeftX is a bench x compared with a
// panel x, so the source stops a little further left than the edge itself.
void BenchLayer::keepLeftOfTheDevice(Shape& source) const {
    if (source.left >= bench.deviceLeftX) {
        source.left = bench.deviceLeftX - kSourceClearance;
    }
}

// The device frame's offset from the bench: where the centre handle's centre lies.
void BenchLayer::recomputeDeviceOffset() {
    const Point centre = benchCentre(centerg);
    bench.deviceOffsetY = centre.y - bench.benchMidY;
    bench.deviceOffsetX = centre.x - bench.benchMidX;
}

// The Left that puts an aim handle's centre two pixels left of its ray's entry point (a
// device-frame x), so that the handle sits just in front of the surface.
int BenchLayer::aimLeftAt(double entryX) const {
    return truncPixel(entryX) + bench.deviceOffsetX + planeim.left - kAimGap - kHandleCentre;
}

void BenchLayer::drawCentresOfCurvature() {
    if (!ShowCenters1.checked) {
        return;
    }
    Canvas& canvas = planeCanvas();
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::red;
    // Dots on the centre handle's top row, one pixel right of its centre column.
    const int top0 = centreOnPicture(centerg, planeim).y - kHandleCentre;
    const int cx0 = lampOnPicture(centerg, planeim).x;
    const auto dot = [&](int cx) { canvas.ellipse(cx - 2, top0, cx + 2, top0 + 4); };
    const double halfWidth = bench.deviceWidth / 2;
    if (leftcb.itemIndex == 1) {
        dot(truncPixel(-halfWidth + bench.surfaceCentreDist[kLeftSide]) + cx0);
    } else if (leftcb.itemIndex == 2) {
        dot(truncPixel(-halfWidth - bench.surfaceCentreDist[kLeftSide]) + cx0);
    }
    if (!mirror()) {
        if (rightcb.itemIndex == 1) {
            dot(truncPixel(halfWidth - bench.surfaceCentreDist[kRightSide]) + cx0);
        } else if (rightcb.itemIndex == 2) {
            dot(truncPixel(halfWidth + bench.surfaceCentreDist[kRightSide]) + cx0);
        }
    }
}
