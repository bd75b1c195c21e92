// SPDX-License-Identifier: MIT
// The bench redrawn, top to bottom: the device picture (redraw device), then every ray
// traced and drawn over a copy of it (redraw rays), the torches at the sources, and the
// handles put where the rays say.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_layer.h"
#include "bench/device_painter.h"
#include "bench/focal_points.h"
#include "bench/ray_painter.h"
#include "bench/ray_path.h"
#include "canvas/pixel.h"
#include "canvas/screen_geometry.h"
#include "canvas/torch_icon.h"
#include "controls/handle_geometry.h"
#include "controls/number_text.h"

namespace {

// While a handle is held, each source's line runs on this many times its own length.
constexpr int kExtensionFactor = 20;
// How far a source stops short of the device's edge.
constexpr int kSourceClearance = 5;
// An aim handle's centre lies this far in front of its ray's entry point.
constexpr int kAimGap = 2;
// A normal's half-length at a zoom of 1; it scales with the zoom.
constexpr int kNormalLengthAtUnitZoom = 35;

// The dots on the centres of curvature.
constexpr int kCentreDotRadius = 2;

// The read-out of a first ray that meets the device before the point it is aimed at, and
// of one whose source stands on its aim point, so that it has no direction at all.
constexpr const char* kNoIncidenceReadout = "No angle: the ray meets the device first.";
constexpr const char* kNoDirectionReadout = "No angle: the source stands on its aim point.";

// "Angle of Incidence is 30.0 Degrees.": one decimal, right-aligned in four characters.
std::string incidenceReadout(double incidenceAngle) {
    const double degrees = std::fabs(incidenceAngle) * 180.0 / std::numbers::pi;
    return "Angle of Incidence is " + oneDecimalText(degrees, 4) + " Degrees.";
}

std::string readoutOf(const RayPath& ray) {
    if (ray.incidence) {
        return incidenceReadout(*ray.incidence);
    }
    return ray.incidentAngle ? kNoIncidenceReadout : kNoDirectionReadout;
}

}  // namespace

void BenchLayer::drawlensbtClick() {
    const SchemeColours scheme = schemeColours(colourScheme, threeclrb.checked());
    bench.sourceColour = scheme.source;
    bench.deviceOutlineColour = scheme.outline;
    bench.benchBackColour = scheme.back;
    bench.deviceFillColour = scheme.fill;

    DeviceDrawing drawing;
    drawing.widthPosition = widthsb.position();
    drawing.deviceCentre = benchCentre(centerg);
    drawing.mirror = mirror();
    drawing.showGrid = ShowGridlines1.checked;
    drawing.showAxis = ShowPrincipalaxis1.checked;
    drawing.colours = scheme;
    bench.deviceLeftX = paintDevice(lensCanvas(), bench, drawing);

    plotbtClick();
}

void BenchLayer::plotbtClick() {
    bench.deviceWidth = widthsb.position() * bench.zoomFactor;
    recomputeDeviceOffset();

    BenchTrace trace;
    // Drawn from where the handles are before this pass moves them onto the rays.
    if (bench.handleDragging && incidentray1.checked) {
        trace.heldLines = heldSourceLines();
    }
    const int sources = Pointsource1.checked ? 3 : sourceCount;
    placeHandlesOnTheRays(sources);
    trace.sources = traceKeepingUnmovedSources(sources);
    trace.centreMarks = centresOfCurvature();
    if (ShowFocalPoints1.checked) {
        trace.focalMarks = focalMarks(bench, mirror(), planeim.width, planeim.height);
    }
    if (!tracedRays.empty()) {
        ianglelb.caption = readoutOf(tracedRays.front());
    }

    Canvas& canvas = planeCanvas();
    paintTrace(canvas, lensCanvas(), trace);
    canvas.pen.width = 1;
    if (ShowLightsource1.checked) {
        flashlightbtClick();
    }
    for (int i = 1; i <= sourceCount; ++i) {
        placeMiddleHandle(i);
    }
    drawCentreMarker();
    bench.geometryChanged = false;
}

void BenchLayer::flashlightbtClick() {
    Canvas& canvas = planeCanvas();
    for (int i = 1; i <= sourceCount; ++i) {
        const Shape& source = sourceHandle(i);
        const Shape& aim = aimHandle(i);
        const Point lens = lampOnPicture(source, planeim);
        // The beam points from the source towards its aim, wherever the two lie.
        const double direction = headingTowards({source.left, source.top}, {aim.left, aim.top});
        drawTorchIcon(canvas, lens, direction,
                      TorchLook{!Pointsource1.checked, bench.sourceColour});
    }
}

void BenchLayer::placeMiddleHandle(int i) {
    middleHandle(i).left = (sourceHandle(i).left + aimHandle(i).left) / 2;
    middleHandle(i).top = (sourceHandle(i).top + aimHandle(i).top) / 2;
}

int BenchLayer::slitSpacing() const {
    return truncPixel(slitsb.position() * bench.zoomFactor);
}

TraceSetup BenchLayer::traceSetup() const {
    TraceSetup setup{bench, bench};
    // What the handlers keep in the frame for themselves, and the tracer never reads, stays
    // out of it: a drag changes the dragged source's angle with every move.
    setup.frame.sourceAngle = {};
    setup.frame.aimHeightRatio = {};
    setup.frame.handleShapes = {};
    setup.frame.geometryChanged = false;
    setup.frame.deviceLeftX = 0;
    setup.frame.redrawSpeed = 0;
    setup.mirror = mirror();
    setup.showNormals = ShowNormals1.checked;
    setup.extendRay = Extendray1.checked;
    setup.showRefraction = ShowRefraction1.checked;
    setup.threeColourPens = threeclrb.checked();
    setup.followReflections = FollowReflections1.checked;
    setup.showDirections = ShowDirections1.checked;
    setup.normalLength = truncPixel(bench.zoomFactor * kNormalLengthAtUnitZoom);
    setup.benchWidth = planeim.width;
    setup.benchHeight = planeim.height;
    setup.widthPosition = widthsb.position();
    setup.slitSpacing = slitSpacing();
    setup.slitCount = slitCount;
    return setup;
}

// Every source's rays into tracedRays, and their pictures: a source whose handles have not
// moved since the last pass, on a bench traced the same, has the rays it had.
std::vector<const SourcePicture*> BenchLayer::traceKeepingUnmovedSources(int sources) {
    const TraceSetup setup = traceSetup();
    const auto count = static_cast<std::size_t>(sources);
    const bool sameBench = lastSetup_ && *lastSetup_ == setup && lastTraced_.size() == count;
    if (!sameBench) {
        tracedRays.clear();
    }
    lastTraced_.resize(count);
    // Each source has as many rays, one a colour and slit, one source after another.
    const auto raysPerSource =
        static_cast<std::size_t>(setup.colours.colourCount * setup.slitCount);
    std::vector<const SourcePicture*> pictures;
    for (int i = 1; i <= sources; ++i) {
        const SourceAim handles{benchCentre(sourceHandle(i)), benchCentre(aimHandle(i))};
        std::optional<TracedSource>& last = lastTraced_[static_cast<std::size_t>(i - 1)];
        if (sameBench && last->handles == handles) {
            last->picture.keptAs = last->number;
        } else {
            std::vector<RayPath> rays = traceSource(setup, handles, i);
            retrace(last, setup.frame, handles, rays);
            const auto into = sameBench ? tracedRays.begin() +
                                              static_cast<std::ptrdiff_t>((i - 1) * raysPerSource)
                                        : tracedRays.end();
            if (sameBench) {
                std::move(rays.begin(), rays.end(), into);
            } else {
                tracedRays.insert(into, std::make_move_iterator(rays.begin()),
                                  std::make_move_iterator(rays.end()));
            }
        }
        pictures.push_back(&last->picture);
    }
    lastSetup_ = setup;
    return pictures;
}

std::vector<RayPath> BenchLayer::tracedAfresh() const {
    const int sources = static_cast<int>(lastTraced_.size());
    std::vector<SourceAim> handles;
    for (int i = 1; i <= sources; ++i) {
        handles.push_back(
            {benchCentre(*bench.handleShapes[i]), benchCentre(*bench.handleShapes[i + 3])});
    }
    return traceRays(traceSetup(), handles);
}

// A source traced anew is handed to the canvas under its old number only if it is painted
// exactly as before.
void BenchLayer::retrace(std::optional<TracedSource>& last, const BenchFrame& frame,
                         const SourceAim& handles, const std::vector<RayPath>& rays) {
    SourcePicture picture = sourcePicture(frame, rays);
    if (last && last->picture.strokes == picture.strokes) {
        picture.keptAs = last->number;
        last = TracedSource{handles, std::move(picture), last->number};
    } else {
        last = TracedSource{handles, std::move(picture), ++lastNumber_};
    }
}

// Each aim handle goes in front of the point where its first slit's ray meets the left
// surface. After a change of the device's geometry each source is re-placed: it keeps its
// direction and stands half a bench height back from its aim.
void BenchLayer::placeHandlesOnTheRays(int sources) {
    const int firstSlit = 1;
    for (int i = 1; i <= sources; ++i) {
        Shape& source = sourceHandle(i);
        Shape& aim = aimHandle(i);
        const int y1 = slitRow(bench, benchCentre(aim).y, slitSpacing(), firstSlit);
        aim.left = aimLeftAt(leftSurfaceEntry(bench, y1).x1);
        if (!bench.geometryChanged) {
            continue;
        }
        source.left = aim.left - truncPixel(std::cos(bench.sourceAngle[i]) * bench.benchMidY);
        source.top = aim.top - truncPixel(std::sin(bench.sourceAngle[i]) * bench.benchMidY);
        // Re-placed steeply behind a device that bulges far to the left, a source could
        // land on or past the device; it stops where a dragged source stops.
        keepLeftOfTheDevice(source);
        if (Pointsource1.checked) {
            source.top = dsh1.top;
            source.left = dsh1.left;
        }
    }
}

// While a handle is held, each source's line continues far past its aim handle.
std::vector<BenchTrace::HeldLine> BenchLayer::heldSourceLines() const {
    std::vector<BenchTrace::HeldLine> lines;
    for (int i = 1; i <= sourceCount; ++i) {
        const Shape& source = *bench.handleShapes[i];
        const Shape& aim = *bench.handleShapes[i + 3];
        const Point from = benchCentre(source);
        lines.push_back({from,
                         {from.x + kExtensionFactor * (aim.left - source.left),
                          from.y + kExtensionFactor * (aim.top - source.top)}});
    }
    return lines;
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

std::optional<std::vector<Rect>> BenchLayer::centresOfCurvature() const {
    if (!ShowCenters1.checked) {
        return std::nullopt;
    }
    // Dots on the centre handle's top row, one pixel right of its centre column.
    const int top0 = centreOnPicture(centerg, planeim).y - kHandleCentre;
    const int cx0 = lampOnPicture(centerg, planeim).x;
    std::vector<Rect> dots;
    const auto dot = [&](double dx) {
        const int cx = truncPixel(dx) + cx0;
        dots.push_back(
            {cx - kCentreDotRadius, top0, cx + kCentreDotRadius, top0 + 2 * kCentreDotRadius});
    };
    const double halfWidth = bench.deviceWidth / 2;
    if (leftcb.itemIndex == 1) {
        dot(-halfWidth + bench.surfaceCentreDist[kLeftSide]);
    } else if (leftcb.itemIndex == 2) {
        dot(-halfWidth - bench.surfaceCentreDist[kLeftSide]);
    }
    if (!mirror()) {
        if (rightcb.itemIndex == 1) {
            dot(halfWidth - bench.surfaceCentreDist[kRightSide]);
        } else if (rightcb.itemIndex == 2) {
            dot(halfWidth + bench.surfaceCentreDist[kRightSide]);
        }
    }
    return dots;
}

// The device's centre, marked on the picture under its handle.
void BenchLayer::drawCentreMarker() {
    Canvas& canvas = planeCanvas();
    const Point marker{centerg.left - planeim.left, centerg.top - planeim.top};
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::white;
    canvas.rectangle(marker.x, marker.y, marker.x + kHandleSize, marker.y + kHandleSize);
}
