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

#include "bench/bench.h"
#include "bench/device_painter.h"
#include "bench/focal_points.h"
#include "bench/ray_painter.h"
#include "bench/ray_path.h"
#include "canvas/pixel.h"
#include "canvas/screen_geometry.h"
#include "canvas/torch_icon.h"
#include "controls/handle_geometry.h"
#include "controls/number_text.h"
#include "controls/translation.h"

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
std::string noIncidenceReadout() {
    return text::translate("Readouts", "No angle: the ray meets the device first.");
}
std::string noDirectionReadout() {
    return text::translate("Readouts", "No angle: the source stands on its aim point.");
}

// "Angle of Incidence is 30.0 Degrees.": one decimal, right-aligned in four characters.
std::string incidenceReadout(double incidenceAngle) {
    const double degrees = std::fabs(incidenceAngle) * 180.0 / std::numbers::pi;
    //: %1 is the angle in degrees, right-aligned in four characters.
    return text::arg(text::translate("Readouts", "Angle of Incidence is %1 Degrees."),
                     {oneDecimalText(degrees, 4)});
}

std::string readoutOf(const RayPath& ray) {
    if (ray.incidence) {
        return incidenceReadout(*ray.incidence);
    }
    return ray.incidentAngle ? noIncidenceReadout() : noDirectionReadout();
}

}  // namespace

Bench::Bench(Picture& benchPicture, Picture& devicePicture, Shape& centreHandle,
             const OneBased<Shape*, 9>& sourceHandles)
    : planeim_(benchPicture), lensim_(devicePicture), centerg_(centreHandle) {
    handleShapes = sourceHandles;
}

std::optional<std::string> Bench::create(const BenchSettings& settings) {
    const OneBased<Shape*, 9> handles = handleShapes;
    static_cast<BenchState&>(*this) = createdBench(
        planeim_.width, planeim_.height, settings.leftRadiusPosition, settings.rightRadiusPosition);
    handleShapes = handles;

    // The centre handle's top-left corner, not its centre, sits on the bench centre, so the
    // first trace finds the device 2 pixels right of and below the bench centre.
    centerg_.top = planeim_.height / 2 + planeim_.top;
    centerg_.left = planeim_.width / 2 + planeim_.left;

    const double apertureHeight = apertureBottom - apertureTop;
    for (int i = 1; i <= 3; ++i) {
        aimHeightRatio[i] = (aimHandle(i).top - centerg_.top) / apertureHeight;
    }
    return drawDevice(settings);
}

std::optional<std::string> Bench::drawDevice(const BenchSettings& settings) {
    const SchemeColours scheme = schemeColours(settings.colourScheme, settings.threeColours);
    sourceColour = scheme.source;
    deviceOutlineColour = scheme.outline;
    benchBackColour = scheme.back;
    deviceFillColour = scheme.fill;

    DeviceDrawing drawing;
    drawing.widthPosition = settings.widthPosition;
    drawing.deviceCentre = benchCentre(centerg_);
    drawing.mirror = settings.mirror();
    drawing.showGrid = settings.view.grid;
    drawing.showAxis = settings.view.principalAxis;
    drawing.colours = scheme;
    drawing.redrawSpeed = redrawSpeed;
    deviceLeftX = paintDevice(*lensim_.canvas, *this, drawing);

    return drawRays(settings);
}

std::optional<std::string> Bench::drawRays(const BenchSettings& settings) {
    deviceWidth = settings.widthPosition * zoomFactor;
    recomputeDeviceOffset();

    BenchTrace trace;
    // Drawn from where the handles are before this pass moves them onto the rays.
    if (handleHeld && settings.view.extendIncidentRay) {
        trace.heldLines = heldSourceLines(settings);
    }
    placeHandlesOnTheRays(settings);
    trace.sources = traceKeepingUnmovedSources(settings);
    trace.centreMarks = centresOfCurvature(settings);
    if (settings.view.focalPoints) {
        trace.focalMarks = focalMarks(*this, settings.mirror(), planeim_.width, planeim_.height);
    }

    Canvas& canvas = benchCanvas();
    paintTrace(canvas, *lensim_.canvas, trace);
    canvas.pen.width = 1;
    if (settings.view.lightSource) {
        drawLightSources(settings);
    }
    for (int i = 1; i <= settings.sourceCount; ++i) {
        placeMiddleHandle(i);
    }
    drawCentreMarker();
    geometryChanged = false;
    if (tracedRays.empty()) {
        return std::nullopt;
    }
    return readoutOf(tracedRays.front());
}

void Bench::drawLightSources(const BenchSettings& settings) {
    Canvas& canvas = benchCanvas();
    for (int i = 1; i <= settings.sourceCount; ++i) {
        const Shape& source = sourceHandle(i);
        const Shape& aim = aimHandle(i);
        const Point lens = lampOnPicture(source, planeim_);
        // The beam points from the source towards its aim, wherever the two lie.
        const double direction = headingTowards({source.left, source.top}, {aim.left, aim.top});
        drawTorchIcon(canvas, lens, direction, TorchLook{!settings.pointSource, sourceColour});
    }
}

void Bench::placeMiddleHandle(int i) {
    middleHandle(i).left = (sourceHandle(i).left + aimHandle(i).left) / 2;
    middleHandle(i).top = (sourceHandle(i).top + aimHandle(i).top) / 2;
}

int Bench::slitSpacing(const BenchSettings& settings) const {
    return truncPixel(settings.slitSpacingPosition * zoomFactor);
}

TraceSetup Bench::traceSetup(const BenchSettings& settings) const {
    TraceSetup setup{*this, *this};
    setup.mirror = settings.mirror();
    setup.showNormals = settings.view.normals;
    setup.extendRay = settings.view.extendRay;
    setup.showRefraction = settings.view.refraction;
    setup.threeColourPens = settings.threeColours;
    setup.followReflections = settings.view.followReflections;
    setup.showDirections = settings.view.directions;
    setup.normalLength = truncPixel(zoomFactor * kNormalLengthAtUnitZoom);
    setup.benchWidth = planeim_.width;
    setup.benchHeight = planeim_.height;
    setup.widthPosition = settings.widthPosition;
    setup.slitSpacing = slitSpacing(settings);
    setup.slitCount = settings.slitCount;
    return setup;
}

// Every source's rays into tracedRays, and their pictures: a source whose handles have not
// moved since the last pass, on a bench traced the same, has the rays it had.
std::vector<const SourcePicture*> Bench::traceKeepingUnmovedSources(const BenchSettings& settings) {
    const TraceSetup setup = traceSetup(settings);
    const int sources = settings.tracedSources();
    const auto count = static_cast<std::size_t>(sources);
    const bool sameBench = lastSetup_ && *lastSetup_ == setup && lastTraced_.size() == count;
    if (!sameBench) {
        tracedRays.clear();
    }
    lastTraced_.resize(count);
    // Each source has as many rays, one a colour and slit, one source after another.
    const auto raysPerSource = static_cast<std::size_t>(setup.colours.colourCount) *
                               static_cast<std::size_t>(setup.slitCount);
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

std::vector<RayPath> Bench::tracedAfresh(const BenchSettings& settings) const {
    const int sources = static_cast<int>(lastTraced_.size());
    std::vector<SourceAim> handles;
    for (int i = 1; i <= sources; ++i) {
        handles.push_back({benchCentre(sourceHandle(i)), benchCentre(aimHandle(i))});
    }
    return traceRays(traceSetup(settings), handles);
}

// A source traced anew is handed to the canvas under its old number only if it is painted
// exactly as before.
void Bench::retrace(std::optional<TracedSource>& last, const BenchFrame& frame,
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
void Bench::placeHandlesOnTheRays(const BenchSettings& settings) {
    for (int i = 1; i <= settings.tracedSources(); ++i) {
        Shape& source = sourceHandle(i);
        Shape& aim = aimHandle(i);
        aim.left = leftFaceLeft(aim.top);
        if (!geometryChanged) {
            continue;
        }
        source.left = aim.left - truncPixel(std::cos(sourceAngle[i]) * benchMidY);
        source.top = aim.top - truncPixel(std::sin(sourceAngle[i]) * benchMidY);
        // Re-placed steeply behind a device that bulges far to the left, a source could
        // land on or past the device; it stops where a dragged source stops.
        keepLeftOfTheDevice(source);
        if (settings.pointSource) {
            source.top = sourceHandle(1).top;
            source.left = sourceHandle(1).left;
        }
    }
}

// While a handle is held, each source's line continues far past its aim handle.
std::vector<BenchTrace::HeldLine> Bench::heldSourceLines(const BenchSettings& settings) const {
    std::vector<BenchTrace::HeldLine> lines;
    for (int i = 1; i <= settings.sourceCount; ++i) {
        const Shape& source = sourceHandle(i);
        const Shape& aim = aimHandle(i);
        const Point from = benchCentre(source);
        lines.push_back({from,
                         {from.x + kExtensionFactor * (aim.left - source.left),
                          from.y + kExtensionFactor * (aim.top - source.top)}});
    }
    return lines;
}

// A source stays clear of the device's left edge. deviceLeftX is a bench x compared with a
// panel x, so the source stops a little further left than the edge itself.
void Bench::keepLeftOfTheDevice(Shape& source) const {
    if (source.left >= deviceLeftX) {
        source.left = deviceLeftX - kSourceClearance;
    }
}

// The device frame's offset from the bench: where the centre handle's centre lies.
void Bench::recomputeDeviceOffset() {
    const Point centre = benchCentre(centerg_);
    deviceOffsetY = centre.y - benchMidY;
    deviceOffsetX = centre.x - benchMidX;
}

// The Left that puts an aim handle's centre two pixels left of its ray's entry point (a
// device-frame x), so that the handle sits just in front of the surface.
int Bench::aimLeftAt(double entryX) const {
    return truncPixel(entryX) + deviceOffsetX + planeim_.left - kAimGap - kHandleCentre;
}

std::optional<std::vector<Rect>> Bench::centresOfCurvature(const BenchSettings& settings) const {
    if (!settings.view.centres) {
        return std::nullopt;
    }
    // Dots on the centre handle's top row, one pixel right of its centre column.
    const int top0 = centreOnPicture(centerg_, planeim_).y - kHandleCentre;
    const int cx0 = lampOnPicture(centerg_, planeim_).x;
    std::vector<Rect> dots;
    const auto dot = [&](double dx) {
        const int cx = truncPixel(dx) + cx0;
        dots.push_back(
            {cx - kCentreDotRadius, top0, cx + kCentreDotRadius, top0 + 2 * kCentreDotRadius});
    };
    const double halfWidth = deviceWidth / 2;
    if (settings.leftKindIndex == 1) {
        dot(-halfWidth + surfaceCentreDist[kLeftSide]);
    } else if (settings.leftKindIndex == 2) {
        dot(-halfWidth - surfaceCentreDist[kLeftSide]);
    }
    if (!settings.mirror()) {
        if (settings.rightKindIndex == 1) {
            dot(halfWidth - surfaceCentreDist[kRightSide]);
        } else if (settings.rightKindIndex == 2) {
            dot(halfWidth + surfaceCentreDist[kRightSide]);
        }
    }
    return dots;
}

// The device's centre, marked on the picture under its handle.
void Bench::drawCentreMarker() {
    Canvas& canvas = benchCanvas();
    const Point marker{centerg_.left - planeim_.left, centerg_.top - planeim_.top};
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::white;
    canvas.rectangle(marker.x, marker.y, marker.x + kHandleSize, marker.y + kHandleSize);
}

// The Left that puts an aim handle at this Top where the tracer starts the first slit's
// ray, its centre two pixels left of the face.
int Bench::leftFaceLeft(int aimTop) const {
    const int firstSlit = 1;
    const int aimRow = aimTop - planeim_.top + kHandleCentre;
    const int row = slitRow(*this, aimRow, 0, firstSlit);
    return aimLeftAt(leftSurfaceEntry(*this, row).x1);
}

void Bench::gatherOnSourceOne() {
    for (int i = 2; i <= 3; ++i) {
        sourceHandle(i).top = sourceHandle(1).top;
        sourceHandle(i).left = sourceHandle(1).left;
    }
}

void Bench::moveDevice(int dx, int dy) {
    centerg_.left += dx;
    centerg_.top += dy;
    for (int i = 1; i <= 3; ++i) {
        for (Shape* handle : {&aimHandle(i), &sourceHandle(i), &middleHandle(i)}) {
            handle->left += dx;
            handle->top += dy;
        }
    }
}
