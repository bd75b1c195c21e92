// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <optional>
#include <utility>
#include <vector>

#include "bench/device_outline.h"
#include "canvas/pixel.h"

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
// How far rays run on past the device, in pixels and whatever the zoom: far enough to leave
// the 769 x 344 bench from a device near its middle. A reflected ray turns back over more
// than half the bench's width, an extension runs back behind a surface nearly as far, and a
// ray leaving by the top or bottom face crosses more than the bench's height. A ray leaving
// the right surface runs the bench's whole width (TraceSetup::benchWidth).
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

// An arrowhead: its barbs' length and their angle to the ray, and the shortest part of a
// segment on the picture that carries one.
constexpr double kArrowLength = 8.0;
constexpr double kArrowBarbAngle = 25.0 * std::numbers::pi / 180.0;
constexpr double kShortestArrowedSegment = 24.0;

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
          glassIndex_(tracedGlassIndex(setup.frame.glassIndex(), entry.colour,
                                       setup.colours.colourCount)) {}

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

        // Total internal reflection at the face. Following reflections, the ray runs on
        // through the glass as long as it takes; else it is followed once more, to the
        // surface it then reaches.
        if (setup_.followReflections) {
            ++turns_;
            followInside(face, -insideAngle_, goingDown ? OutlinePiece::Bottom : OutlinePiece::Top);
            return;
        }
        insideAngle_ = -insideAngle_;
        inside_ = lineThrough(face, insideAngle_);
        const double reflectedPlaneX =
            bench_.benchMidX + truncPixel(setup_.widthPosition / 2.0 * bench_.zoomFactor);
        const std::optional<SurfacePoint> next = surfaceAhead(face, reflectedPlaneX, true);
        // The surface it then reaches, unless the turned ray meets the outline before it: a
        // face, or a surface it would otherwise be drawn through.
        const std::optional<OutlineCrossing> first =
            firstCrossing(bench_, face, insideAngle_, Crossing::Outward,
                          goingDown ? OutlinePiece::Bottom : OutlinePiece::Top);
        if (first &&
            (!next || first->distance < distanceBetween(face, next->point) - kSameSurfacePoint)) {
            segment(StrokeKind::Inside, face, first->point);
            leaveFirstMet(*first);
            return;
        }
        if (next) {
            segment(StrokeKind::Inside, face, next->point);
            leave(*next);
        }
    }

    // Out through whatever of the outline a ray turned at a face meets first: a surface as
    // any ray leaves it, a face only below the critical angle (a second turn at a face is
    // not followed).
    void leaveFirstMet(const OutlineCrossing& at) {
        if (at.piece == OutlinePiece::Left || at.piece == OutlinePiece::Right) {
            leave({at.point,
                   at.piece == OutlinePiece::Left ? ExitSurface::Left : ExitSurface::Right});
            return;
        }
        const double normal = outwardNormal(at.piece, at.point);
        normalThrough(at.point, normal);
        const double sineRatio = snellSine(normal - insideAngle_, glassIndex_, bench_.airIndex());
        if (1.0 - sineRatio * sineRatio > 0.0) {
            emerge(at.point, normal - std::asin(sineRatio), at.piece);
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
        const OutlinePiece piece =
            at.surface == ExitSurface::Right ? OutlinePiece::Right : OutlinePiece::Left;
        const double normal = outwardNormal(piece, p2);
        normalThrough(p2, normal);
        const double sineRatio = snellSine(normal - insideAngle_, glassIndex_, bench_.airIndex());
        if (1.0 - sineRatio * sineRatio > 0.0) {
            emerge(p2, normal - std::asin(sineRatio), piece);
            return;
        }
        note(p2);
        ++turns_;
        const double reflected = reflectedDirection(normal, insideAngle_);
        if (setup_.followReflections) {
            followInside(p2, reflected + std::numbers::pi, piece);
            return;
        }
        // The stub stops short where the turned ray meets the outline first: the same
        // surface again near its rim, or the other surface or a face of a thin device.
        Vec2 stubEnd = backward(p2, reflected, setup_.normalLength);
        if (const std::optional<OutlineCrossing> next =
                firstCrossing(bench_, p2, reflected + std::numbers::pi, Crossing::Outward, piece);
            next && next->distance < setup_.normalLength) {
            stubEnd = next->point;
        }
        segment(StrokeKind::Reflected, p2, stubEnd);
    }

    // The outline's normal at one of its points, pointing out of the glass.
    double outwardNormal(OutlinePiece piece, Vec2 p) const {
        switch (piece) {
            case OutlinePiece::Left:
                return leftSurfaceNormal(bench_, p.y) + std::numbers::pi;
            case OutlinePiece::Right:
                return rightExitNormal(p.y);
            case OutlinePiece::Top:
                return kHalfPi;
            default:
                return -kHalfPi;
        }
    }

    // "Internally reflected", once a ray: where it is first turned back at a surface.
    void note(Vec2 p) {
        if (!noted_) {
            segment(StrokeKind::Note, {p.x + kNoteGap, p.y}, {p.x + kNoteGap, p.y});
            noted_ = true;
        }
    }

    // Out of the glass at a point of the outline, in direction `angle`: from a surface on the
    // bench's width with the extension behind it, from a face on the face's length. Where the
    // ray meets the device again it stops, or, following reflections, goes in again.
    void emerge(Vec2 p, double angle, OutlinePiece piece) {
        const bool face = piece == OutlinePiece::Top || piece == OutlinePiece::Bottom;
        const double length = face ? kFaceExitLength : setup_.benchWidth;
        const std::optional<OutlineCrossing> again =
            firstCrossing(bench_, p, angle, Crossing::Inward, piece);
        const bool meetsAgain = again && again->distance < length;
        segment(StrokeKind::Emergent, p, meetsAgain ? again->point : along(p, angle, length));
        if (setup_.extendRay && !face) {
            dottedRed(StrokeKind::Extension, p, backward(p, angle, kExtensionLength));
            resumeSolidPen();
        }
        path_.exit = {face                           ? ExitSurface::Face
                      : piece == OutlinePiece::Right ? ExitSurface::Right
                                                     : ExitSurface::Left,
                      p};
        if (meetsAgain && setup_.followReflections) {
            enterAgain(*again, angle);
        }
    }

    // An emergent ray meeting the device again: refracted in and followed through the glass,
    // or turned back outside by surroundings denser than the glass.
    void enterAgain(const OutlineCrossing& at, double travel) {
        if (++turns_ > kMostReflections) {
            return;
        }
        const double inward = outwardNormal(at.piece, at.point) + std::numbers::pi;
        normalThrough(at.point, inward);
        const double sineRatio = snellSine(inward - travel, bench_.airIndex(), glassIndex_);
        if (std::fabs(sineRatio) <= 1.0) {
            path_.exit = {};
            followInside(at.point, inward - std::asin(sineRatio), at.piece);
            return;
        }
        const double turned = reflectedDirection(inward, travel) + std::numbers::pi;
        const std::optional<OutlineCrossing> again =
            firstCrossing(bench_, at.point, turned, Crossing::Inward, at.piece);
        const bool meetsAgain = again && again->distance < setup_.benchWidth;
        segment(StrokeKind::Reflected, at.point,
                meetsAgain ? again->point : along(at.point, turned, setup_.benchWidth));
        if (meetsAgain) {
            enterAgain(*again, turned);
        }
    }

    // Following internal reflections: the ray runs on through the glass, turned back at
    // every surface or face it meets beyond the critical angle (the law of reflection, the
    // normal drawn when normals are), until it refracts out, or ends at its last turn when
    // it has turned kMostReflections times.
    void followInside(Vec2 from, double travel, OutlinePiece startPiece) {
        for (;;) {
            const std::optional<OutlineCrossing> next =
                firstCrossing(bench_, from, travel, Crossing::Outward, startPiece);
            // Only round-off at a corner of the outline can lose the ray; it ends there.
            if (!next) {
                return;
            }
            segment(StrokeKind::Inside, from, next->point);
            const double normal = outwardNormal(next->piece, next->point);
            normalThrough(next->point, normal);
            const double sineRatio = snellSine(normal - travel, glassIndex_, bench_.airIndex());
            if (1.0 - sineRatio * sineRatio > 0.0) {
                emerge(next->point, normal - std::asin(sineRatio), next->piece);
                return;
            }
            if (next->piece == OutlinePiece::Left || next->piece == OutlinePiece::Right) {
                note(next->point);
            }
            if (++turns_ >= kMostReflections) {
                return;
            }
            travel = reflectedDirection(normal, travel) + std::numbers::pi;
            from = next->point;
            startPiece = next->piece;
        }
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
    // Turns inside the glass (and entries again) so far, against kMostReflections.
    int turns_ = 0;
    bool noted_ = false;
};

}  // namespace

double tracedGlassIndex(double shownGlassIndex, int colour, int colourCount) {
    const int middleColour = 2;
    return colourCount == 1 ? shownGlassIndex
                            : shownGlassIndex + kDispersionStep * (colour - middleColour);
}

double leftSurfaceNormal(const BenchFrame& bench, double y) {
    const double d = y - bench.benchMidY;
    const double radius = surfaceRadius(bench, kLeftSide);
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
    const int baseLine = leftBaseLine(bench);
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

bool carriesAnArrow(StrokeKind kind) {
    return kind == StrokeKind::Incident || kind == StrokeKind::Inside ||
           kind == StrokeKind::Emergent || kind == StrokeKind::Reflected;
}

// The part of the segment from `from` to `to` that lies on the picture, as the fractions of
// the way where it begins and ends; none when it misses the picture.
struct VisiblePart {
    double begin;
    double end;
};
std::optional<VisiblePart> onThePicture(const TraceSetup& setup, Vec2 from, Vec2 to) {
    const BenchFrame& bench = setup.frame;
    // The device-frame rectangle that lands on the picture's pixels.
    const double left = -bench.deviceOffsetX;
    const double top = -bench.deviceOffsetY;
    const double right = left + setup.benchWidth;
    const double bottom = top + setup.benchHeight;
    VisiblePart part{0.0, 1.0};
    const auto clip = [&part](double start, double change, double low, double high) {
        if (change == 0.0) {
            return low <= start && start <= high;
        }
        double enter = (low - start) / change;
        double leave = (high - start) / change;
        if (enter > leave) {
            std::swap(enter, leave);
        }
        part.begin = std::max(part.begin, enter);
        part.end = std::min(part.end, leave);
        return part.begin < part.end;
    };
    if (!clip(from.x, to.x - from.x, left, right) || !clip(from.y, to.y - from.y, top, bottom)) {
        return std::nullopt;
    }
    return part;
}

// An arrowhead in the middle of the part of every ray segment that shows on the picture,
// pointing the way the light goes, in the segment's colour and width: two barbs from a tip
// on the ray. Extensions, normals and segments too short to carry one get none.
void addDirectionArrows(const TraceSetup& setup, RayPath& ray) {
    std::vector<Stroke> arrows;
    for (const Stroke& stroke : ray.strokes) {
        const double length = distanceBetween(stroke.from, stroke.to);
        if (!carriesAnArrow(stroke.kind) || length == 0.0) {
            continue;
        }
        const std::optional<VisiblePart> part = onThePicture(setup, stroke.from, stroke.to);
        if (!part || (part->end - part->begin) * length < kShortestArrowedSegment) {
            continue;
        }
        const double travel = std::atan2(stroke.from.y - stroke.to.y, stroke.to.x - stroke.from.x);
        const double middle = (part->begin + part->end) / 2 * length;
        const Vec2 tip = along(stroke.from, travel, middle + kArrowLength / 2);
        const Pen pen{stroke.pen.color, stroke.pen.width, PenStyle::Solid};
        for (const double side : {kArrowBarbAngle, -kArrowBarbAngle}) {
            arrows.push_back(
                {StrokeKind::Arrow, tip, backward(tip, travel + side, kArrowLength), pen});
        }
    }
    ray.strokes.insert(ray.strokes.end(), arrows.begin(), arrows.end());
}

// A ray that enters goes on in its colour, at the incident ray's width until a normal or an
// extension sets the ray width.
void throughTheDevice(const TraceSetup& setup, RayPath& ray) {
    const Vec2 p1 = ray.aim;
    const double normal = leftSurfaceNormal(setup.frame, p1.y);
    const TColor colour = setup.colours.rayColours[ray.colour];
    ray.penAfter.color = colour;
    if (setup.showNormals) {
        const Pen dotted{colours::red, 1, PenStyle::Dot};
        ray.strokes.push_back({StrokeKind::Normal, along(p1, normal, setup.normalLength),
                               backward(p1, normal, setup.normalLength), dotted});
        ray.penAfter = {colour, rayWidthOf(setup), PenStyle::Solid};
    }
    traceThroughDevice(setup, {p1, *ray.incidentAngle, normal, ray.colour}, ray);
}

RayPath tracedRay(const TraceSetup& setup, const SourceAim& handles, int source, int colour,
                  int slit) {
    RayPath ray = incidentRay(setup, handles, source, colour, slit);
    if (ray.incidence) {
        throughTheDevice(setup, ray);
    }
    if (setup.showDirections) {
        addDirectionArrows(setup, ray);
    }
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
