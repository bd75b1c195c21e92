// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>

#include "bench/device_outline.h"
#include "canvas/pixel.h"

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
constexpr int kReflectedLength = 600;
constexpr int kExtensionLength = 500;
constexpr int kFaceExitLength = 350;
// The shown index of the mirror's "sine": beyond 1, so that every ray reflects.
constexpr double kMirrorSine = 3.0;
// A ray trapped in a deep concave mirror ends at its last turn after this many.
constexpr int kMostReflections = 50;
// A ray leaving the left surface this close to where it entered is still at its entry.
constexpr double kSameSurfacePoint = 0.5;

// The incident ray is drawn 2 pixels wide, and so are the coloured strokes after it until a
// normal or an extension sets the ray width: 1 with three colours, else 2.
constexpr int kIncidentPenWidth = 2;
int rayWidthOf(const TraceSetup& setup) {
    return setup.threeColourPens ? 1 : 2;
}
// The steepest angle of incidence at which a ray still enters: one that would read 90.0
// degrees runs along the surface.
constexpr double kSteepestEntry = 89.95 * std::numbers::pi / 180.0;
// "Internally reflected" starts this far right of where the ray was turned back.
constexpr double kNoteGap = 10;

// A surface point where the inside ray arrives, and which surface it is.
struct SurfacePoint {
    Vec2 point;
    ExitSurface surface;
};

double distanceBetween(Vec2 a, Vec2 b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Follows one ray from its entry through the device, adding its strokes to its path. The
// pen passes from stroke to stroke as it would on a canvas: a stroke takes the pen as the
// strokes before it left it.
class RayTracer {
  public:
    RayTracer(const TraceSetup& setup, const RayEntry& entry, RayPath& path)
        : setup_(setup),
          bench_(setup.frame),
          colours_(setup.colours),
          path_(path),
          pen_(path.penAfter),
          colour_(entry.colour),
          rayWidth_(rayWidthOf(setup)),
          glassIndex_(setup.frame.glassIndex() + kDispersionStep * entry.colour) {}

    void trace(const RayEntry& entry) {
        follow(entry);
        path_.penAfter = pen_;
    }

  private:
    void follow(const RayEntry& entry) {
        const Vec2 p1 = entry.point;
        double sineRatio = setup_.mirror ? kMirrorSine
                                         : snellSine(entry.entryNormalAngle - entry.incidentAngle,
                                                     bench_.airIndex(), glassIndex_);
        if (std::fabs(sineRatio) > 1.0) {
            if (setup_.showRefraction) {
                reflectAtEntry(p1, entry);
            }
            return;
        }
        if (!setup_.showRefraction) {
            return;
        }
        insideAngle_ = entry.entryNormalAngle - std::asin(sineRatio);
        inside_ = lineThrough(p1, insideAngle_);
        passThrough(p1);
    }

    void segment(StrokeKind kind, Vec2 from, Vec2 to) {
        path_.strokes.push_back({kind, from, to, pen_});
    }

    // A thin red dotted line (normals, extensions), after which the ray pen continues
    // solid at the ray width in the colour given.
    void dottedRed(StrokeKind kind, Vec2 from, Vec2 to) {
        pen_ = {colours::red, 1, PenStyle::Dot};
        segment(kind, from, to);
    }
    void resumeRayPen(TColor colour) { pen_ = {colour, rayWidth_, PenStyle::Solid}; }
    void resumeSolidPen() {
        pen_.style = PenStyle::Solid;
        pen_.width = rayWidth_;
    }

    void normalThrough(Vec2 p, double normalAngle) {
        if (setup_.showNormals) {
            dottedRed(StrokeKind::Normal, along(p, normalAngle, setup_.normalLength),
                      backward(p, normalAngle, setup_.normalLength));
            resumeRayPen(colours_.rayColours[colour_]);
        }
    }

    // Turned back at the entry: by a mirror, or by surroundings denser than the glass. A
    // concave surface can meet the turned ray again; there it turns back once more (a lens
    // only while the ray is still beyond the critical angle) until the ray leaves the arc
    // for good, is let in, or has turned kMostReflections times.
    void reflectAtEntry(Vec2 p1, const RayEntry& entry) {
        const Pen reflectedPen{colours_.sourceColour, kIncidentPenWidth, PenStyle::Solid};
        pen_ = reflectedPen;
        Vec2 at = p1;
        double normal = entry.entryNormalAngle;
        double arriving = entry.incidentAngle;
        for (int turns = 1;; ++turns) {
            const double reflected = reflectedDirection(normal, arriving);
            const double leaving = reflected + std::numbers::pi;
            const std::optional<Vec2> again = leftSurfaceAgain(bench_, at.y, leaving);
            if (!again) {
                segment(StrokeKind::Reflected, at, backward(at, reflected, kReflectedLength));
                if (setup_.extendRay) {
                    dottedRed(StrokeKind::Extension, at, along(at, reflected, kExtensionLength));
                    resumeSolidPen();
                }
                return;
            }
            segment(StrokeKind::Reflected, at, *again);
            at = *again;
            arriving = leaving;
            normal = leftSurfaceNormal(bench_, at.y);
            const bool turnsBack =
                setup_.mirror ||
                std::fabs(snellSine(normal - arriving, bench_.airIndex(), glassIndex_)) > 1.0;
            if (!turnsBack || turns == kMostReflections) {
                return;
            }
            if (setup_.showNormals) {
                dottedRed(StrokeKind::Normal, along(at, normal, setup_.normalLength),
                          backward(at, normal, setup_.normalLength));
                pen_ = reflectedPen;
            }
        }
    }

    // The inside ray's way of travel as a screen vector.
    Vec2 heading() const { return {std::cos(insideAngle_), -std::sin(insideAngle_)}; }
    bool rightward() const { return heading().x > 0.0; }
    // How far ahead of `from` the point p lies along the inside ray (negative: behind).
    double aheadBy(Vec2 from, Vec2 p) const {
        const Vec2 u = heading();
        return (p.x - from.x) * u.x + (p.y - from.y) * u.y;
    }

    // Where the inside line meets a curved surface going forward: from inside a circle at
    // the intersection in the way of travel, from outside at the nearer one.
    std::optional<Vec2> circleAhead(const SurfaceCircle& circle) const {
        const bool further = circle.enclosesDevice == rightward();
        const std::optional<double> x =
            circleIntersection(inside_, circle.centre, circle.radius,
                               further ? Intersection::Rightmost : Intersection::Leftmost);
        if (!x) {
            return std::nullopt;
        }
        const Vec2 p{*x, inside_.yAt(*x)};
        if (!circle.onDrawnHalf(p)) {
            return std::nullopt;
        }
        return p;
    }

    // Where the inside ray, going forward from `from`, meets the right surface. Only the
    // drawn half of a curved surface counts: the circle's far half is no part of the device.
    std::optional<Vec2> rightSurfaceAhead(Vec2 from, double planeX) const {
        const std::optional<SurfaceCircle> circle = rightSurfaceCircle(bench_);
        const std::optional<Vec2> p =
            circle ? circleAhead(*circle) : std::optional<Vec2>(Vec2{planeX, inside_.yAt(planeX)});
        if (!p || aheadBy(from, *p) <= 0.0) {
            return std::nullopt;
        }
        return p;
    }

    // Where an inside ray travelling back towards the light (possible only when the
    // surroundings are denser than the glass) meets the left surface again.
    std::optional<Vec2> leftSurfaceAhead(Vec2 from) const {
        const std::optional<SurfaceCircle> circle = leftSurfaceCircle(bench_);
        if (!circle) {
            return std::nullopt;
        }
        const std::optional<Vec2> p = circleAhead(*circle);
        if (!p || aheadBy(from, *p) <= kSameSurfacePoint || !strictlyInsideAperture(p->y)) {
            return std::nullopt;
        }
        return p;
    }

    bool strictlyInsideAperture(double y) const {
        return bench_.apertureTop < y && y < bench_.apertureBottom;
    }

    // A horizontal ray running exactly along the top or bottom edge meets no face: it is
    // followed to the right surface like any ray inside the aperture.
    bool reachableOnTheRight(Vec2 p2) const {
        const bool alongAnEdge =
            inside_.slope == 0.0 && (p2.y == bench_.apertureTop || p2.y == bench_.apertureBottom);
        return strictlyInsideAperture(p2.y) || alongAnEdge;
    }

    // The surface the inside ray reaches first going forward from `from`: the right
    // surface (within the aperture, unless the ray was already reflected at a face) or the
    // left surface again. None when it reaches neither before a face.
    std::optional<SurfacePoint> surfaceAhead(Vec2 from, double planeX, bool afterFace) const {
        std::optional<SurfacePoint> first;
        if (const std::optional<Vec2> p = rightSurfaceAhead(from, planeX);
            p && (afterFace || reachableOnTheRight(*p))) {
            first = SurfacePoint{*p, ExitSurface::Right};
        }
        if (const std::optional<Vec2> p = leftSurfaceAhead(from);
            p && (!first || distanceBetween(from, *p) < distanceBetween(from, first->point))) {
            first = SurfacePoint{*p, ExitSurface::Left};
        }
        return first;
    }

    void passThrough(Vec2 p1) {
        const double planeX = bench_.benchMidX + truncPixel(bench_.deviceWidth / 2);
        if (const std::optional<SurfacePoint> next = surfaceAhead(p1, planeX, false)) {
            segment(StrokeKind::Inside, p1, next->point);
            leave(*next);
            return;
        }

        // A horizontal ray that misses the right surface can reach no face either.
        if (inside_.slope == 0.0) {
            return;
        }
        // The ray reaches the flat top or bottom face it is heading for (or misses the
        // right surface).
        const bool goingDown = heading().y > 0.0;
        const double faceY = goingDown ? bench_.apertureBottom : bench_.apertureTop;
        const Vec2 face{(faceY - inside_.intercept) / inside_.slope, faceY};
        if (setup_.showNormals) {
            dottedRed(StrokeKind::Normal, {face.x, face.y - setup_.normalLength},
                      {face.x, face.y + setup_.normalLength});
            resumeRayPen(colours_.rayColours[colour_]);
        }
        segment(StrokeKind::Inside, p1, face);

        const double sineRatio = std::sin(insideAngle_ - kHalfPi) * glassIndex_ / bench_.airIndex();
        if (1.0 - sineRatio * sineRatio > 0.0) {
            const double outgoing = -kHalfPi + std::asin(sineRatio);
            const double rise = goingDown ? -std::sin(outgoing) : std::sin(outgoing);
            segment(
                StrokeKind::Emergent, face,
                {face.x - kFaceExitLength * std::cos(outgoing), face.y + kFaceExitLength * rise});
            path_.exit = {ExitSurface::Face, face};
            return;
        }

        // Total internal reflection at the face: followed once more, to the surface it
        // then reaches.
        insideAngle_ = -insideAngle_;
        inside_ = lineThrough(face, insideAngle_);
        const double reflectedPlaneX =
            bench_.benchMidX + truncPixel(setup_.widthPosition / 2.0 * bench_.zoomFactor);
        if (const std::optional<SurfacePoint> next = surfaceAhead(face, reflectedPlaneX, true)) {
            segment(StrokeKind::Inside, face, next->point);
            leave(*next);
        }
    }

    // The normal of the right surface at row y2, pointing out of the device.
    double rightExitNormal(double y2) const {
        const double d = y2 - bench_.benchMidY;
        const double radius = bench_.benchMidY * bench_.radiusFactor[kRightSide];
        switch (bench_.surfaceKind[kRightSide]) {
            case kConvex:
                return -curvedNormal(d, radius);
            case kConcave:
                return curvedNormal(d, radius);
            default:
                return 0.0;
        }
    }

    // Refraction out of the device, or internal reflection, at a surface point.
    void leave(const SurfacePoint& at) {
        const Vec2 p2 = at.point;
        const double normal = at.surface == ExitSurface::Right
                                  ? rightExitNormal(p2.y)
                                  : leftSurfaceNormal(bench_, p2.y) + std::numbers::pi;
        normalThrough(p2, normal);
        const double sineRatio = snellSine(normal - insideAngle_, glassIndex_, bench_.airIndex());
        if (1.0 - sineRatio * sineRatio > 0.0) {
            const double exitAngle = normal - std::asin(sineRatio);
            segment(StrokeKind::Emergent, p2, along(p2, exitAngle, setup_.benchWidth));
            if (setup_.extendRay) {
                dottedRed(StrokeKind::Extension, p2, backward(p2, exitAngle, kExtensionLength));
                resumeSolidPen();
            }
            path_.exit = {at.surface, p2};
            return;
        }
        segment(StrokeKind::Note, {p2.x + kNoteGap, p2.y}, {p2.x + kNoteGap, p2.y});
        const double reflected = reflectedDirection(normal, insideAngle_);
        Vec2 stubEnd = backward(p2, reflected, setup_.normalLength);
        // Close to the rim of a curved surface the turned ray can reach the same surface
        // again within the stub's length; it is not followed on, so it stops there.
        const std::optional<SurfaceCircle> circle = at.surface == ExitSurface::Right
                                                        ? rightSurfaceCircle(bench_)
                                                        : leftSurfaceCircle(bench_);
        if (circle) {
            if (const std::optional<Vec2> again =
                    arcAgain(bench_, *circle, p2, reflected + std::numbers::pi);
                again && distanceBetween(p2, *again) < setup_.normalLength) {
                stubEnd = *again;
            }
        }
        segment(StrokeKind::Reflected, p2, stubEnd);
    }

    const TraceSetup& setup_;
    const BenchFrame& bench_;
    const BenchColours& colours_;
    RayPath& path_;
    Pen pen_;
    int colour_;
    int rayWidth_;
    double glassIndex_;
    double insideAngle_ = 0.0;
    Line inside_;
};

}  // namespace

double leftSurfaceNormal(const BenchFrame& bench, double y) {
    const double d = y - bench.benchMidY;
    const double radius = bench.radiusFactor[kLeftSide] * bench.radiusUnit;
    switch (bench.surfaceKind[kLeftSide]) {
        case kConvex:
            return curvedNormal(d, radius);
        case kConcave:
            return -curvedNormal(d, radius);
        default:
            return 0.0;
    }
}

LeftSurfaceEntry leftSurfaceEntry(const BenchFrame& bench, int y1) {
    const int baseLine = bench.benchMidX - truncPixel(bench.deviceWidth) / 2;
    const double normal = leftSurfaceNormal(bench, y1);
    switch (bench.surfaceKind[kLeftSide]) {
        case kConvex:
            return {static_cast<double>(baseLine + surfaceOffset(bench, y1, kConvex, kLeftSide)),
                    normal};
        case kConcave:
            return {static_cast<double>(baseLine - surfaceOffset(bench, y1, kConcave, kLeftSide)),
                    normal};
        default:
            return {static_cast<double>(baseLine + 1), normal};
    }
}

Point benchPixel(const BenchFrame& bench, Vec2 p) {
    return {truncPixel(p.x) + bench.deviceOffsetX, truncPixel(p.y) + bench.deviceOffsetY};
}

int slitRow(const BenchFrame& frame, int aimRow, int slitSpacing, int slit) {
    const int top = frame.apertureTop + frame.deviceOffsetY;
    const int bottom = frame.apertureBottom + frame.deviceOffsetY;
    const int row = std::clamp(aimRow + frame.slitOffset[slit] * slitSpacing, top, bottom);
    return row - frame.deviceOffsetY;
}

void traceThroughDevice(const TraceSetup& setup, const RayEntry& entry, RayPath& path) {
    RayTracer(setup, entry, path).trace(entry);
}

namespace {

// The incident ray of slit s, colour c of a source, and whether it enters where it is aimed.
RayPath incidentRay(const TraceSetup& setup, const SourceAim& handles, int source, int colour,
                    int slit) {
    const BenchFrame& bench = setup.frame;
    const int y1 = slitRow(bench, handles.aim.y, setup.slitSpacing, slit);
    const LeftSurfaceEntry entry = leftSurfaceEntry(bench, y1);
    const Vec2 p1{entry.x1, static_cast<double>(y1)};
    const Vec2 p0{p1.x - (handles.aim.x - handles.source.x),
                  p1.y - (handles.aim.y - handles.source.y)};

    RayPath ray;
    ray.source = source;
    ray.colour = colour;
    ray.slit = slit;
    ray.start = p0;
    ray.aim = ray.incidentEnd = p1;
    ray.incidentAngle = travelDirection(p0, p1);
    // A ray enters where it is aimed only if it gets there from outside the device: not
    // through the device on the way, and not from behind the surface (an angle of
    // incidence of 90 degrees or more).
    const std::optional<Vec2> blocked =
        firstMeetingBeforeAim(bench, setup.mirror, p0, {leftSurfaceX(bench, y1), p1.y});
    if (ray.incidentAngle) {
        const double incidence = principalAngle(entry.normalAngle - *ray.incidentAngle);
        if (!blocked && std::fabs(incidence) < kSteepestEntry) {
            ray.incidence = incidence;
        }
    }
    if (!ray.incidence) {
        ray.incidentEnd = blocked.value_or(p1);
    }
    ray.penAfter = {setup.colours.sourceColour, kIncidentPenWidth, PenStyle::Solid};
    ray.strokes.push_back({StrokeKind::Incident, p0, ray.incidentEnd, ray.penAfter});
    return ray;
}

// A ray that enters goes on in its colour, at the incident ray's width until a normal or an
// extension sets the ray width.
RayPath tracedRay(const TraceSetup& setup, const SourceAim& handles, int source, int colour,
                  int slit) {
    RayPath ray = incidentRay(setup, handles, source, colour, slit);
    if (!ray.incidence) {
        return ray;
    }
    const Vec2 p1 = ray.aim;
    const double normal = leftSurfaceNormal(setup.frame, p1.y);
    ray.penAfter.color = setup.colours.rayColours[colour];
    if (setup.showNormals) {
        const Pen dotted{colours::red, 1, PenStyle::Dot};
        ray.strokes.push_back({StrokeKind::Normal, along(p1, normal, setup.normalLength),
                               backward(p1, normal, setup.normalLength), dotted});
        ray.penAfter = {setup.colours.rayColours[colour], rayWidthOf(setup), PenStyle::Solid};
    }
    traceThroughDevice(setup, {p1, *ray.incidentAngle, normal, colour}, ray);
    return ray;
}

}  // namespace

std::vector<RayPath> traceSource(const TraceSetup& setup, const SourceAim& handles, int source) {
    std::vector<RayPath> rays;
    for (int c = 1; c <= setup.colours.colourCount; ++c) {
        for (int s = 1; s <= setup.slitCount; ++s) {
            rays.push_back(tracedRay(setup, handles, source, c, s));
        }
    }
    return rays;
}

std::vector<RayPath> traceRays(const TraceSetup& setup, std::span<const SourceAim> sources) {
    std::vector<RayPath> rays;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        std::vector<RayPath> ofSource = traceSource(setup, sources[i], static_cast<int>(i) + 1);
        rays.insert(rays.end(), std::make_move_iterator(ofSource.begin()),
                    std::make_move_iterator(ofSource.end()));
    }
    return rays;
}
