// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <cmath>
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
// A ray leaving the left surface this close to where it entered is still at its entry.
constexpr double kSameSurfacePoint = 0.5;

Point benchPoint(const BenchFrame& bench, Vec2 p) {
    return {truncPixel(p.x) + bench.deviceOffsetX, truncPixel(p.y) + bench.deviceOffsetY};
}

// A surface point where the inside ray arrives, and which surface it is.
struct SurfacePoint {
    Vec2 point;
    ExitSurface surface;
};

double distanceBetween(Vec2 a, Vec2 b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

class RayDrawing {
  public:
    RayDrawing(const RayPass& pass, const RayEntry& entry)
        : pass_(pass),
          bench_(pass.bench),
          canvas_(pass.canvas),
          colour_(entry.colour),
          rayWidth_(entry.rayWidth),
          glassIndex_(pass.bench.glassIndex() + kDispersionStep * entry.colour) {}

    RayExit trace(RayEntry entry) {
        const Vec2 p1 = entry.point;
        double sineRatio = pass_.mirror ? kMirrorSine
                                        : snellSine(entry.entryNormalAngle - entry.incidentAngle,
                                                    bench_.airIndex(), glassIndex_);
        if (std::fabs(sineRatio) > 1.0) {
            if (!entry.stopped) {
                reflectAtEntry(p1, entry);
            }
            return exit_;
        }
        if (entry.stopped) {
            return exit_;
        }
        insideAngle_ = entry.entryNormalAngle - std::asin(sineRatio);
        inside_ = lineThrough(p1, insideAngle_);
        passThrough(p1);
        return exit_;
    }

  private:
    Point toBench(Vec2 p) const { return benchPoint(bench_, p); }
    void segment(Vec2 from, Vec2 to) { drawInDeviceFrame(canvas_, bench_, from, to); }

    // A thin red dotted line (normals, extensions), after which the ray pen continues
    // solid at the ray width in the colour given.
    void dottedRed(Vec2 from, Vec2 to) {
        canvas_.pen = {colours::red, 1, PenStyle::Dot};
        segment(from, to);
    }
    void resumeRayPen(TColor colour) { canvas_.pen = {colour, rayWidth_, PenStyle::Solid}; }
    void resumeSolidPen() {
        canvas_.pen.style = PenStyle::Solid;
        canvas_.pen.width = rayWidth_;
    }

    void normalThrough(Vec2 p, double normalAngle) {
        if (pass_.showNormals) {
            dottedRed(along(p, normalAngle, pass_.normalLength),
                      backward(p, normalAngle, pass_.normalLength));
            resumeRayPen(bench_.rayColours[colour_]);
        }
    }

    void reflectAtEntry(Vec2 p1, const RayEntry& entry) {
        canvas_.pen = {bench_.sourceColour, 2, PenStyle::Solid};
        const double reflected = reflectedDirection(entry.entryNormalAngle, entry.incidentAngle);
        segment(p1, backward(p1, reflected, kReflectedLength));
        if (pass_.extendRay) {
            dottedRed(p1, along(p1, reflected, kExtensionLength));
            resumeSolidPen();
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
            segment(p1, next->point);
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
        if (pass_.showNormals) {
            dottedRed({face.x, face.y - pass_.normalLength}, {face.x, face.y + pass_.normalLength});
            resumeRayPen(bench_.rayColours[colour_]);
        }
        segment(p1, face);

        const double sineRatio = std::sin(insideAngle_ - kHalfPi) * glassIndex_ / bench_.airIndex();
        if (1.0 - sineRatio * sineRatio > 0.0) {
            const double outgoing = -kHalfPi + std::asin(sineRatio);
            const double rise = goingDown ? -std::sin(outgoing) : std::sin(outgoing);
            segment(face, {face.x - kFaceExitLength * std::cos(outgoing),
                           face.y + kFaceExitLength * rise});
            exit_ = {ExitSurface::Face, face};
            return;
        }

        // Total internal reflection at the face: followed once more, to the surface it
        // then reaches.
        insideAngle_ = -insideAngle_;
        inside_ = lineThrough(face, insideAngle_);
        const double reflectedPlaneX =
            bench_.benchMidX + truncPixel(pass_.widthPosition / 2.0 * bench_.zoomFactor);
        if (const std::optional<SurfacePoint> next = surfaceAhead(face, reflectedPlaneX, true)) {
            segment(face, next->point);
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
            segment(p2, along(p2, exitAngle, pass_.benchWidth));
            if (pass_.extendRay) {
                dottedRed(p2, backward(p2, exitAngle, kExtensionLength));
                resumeSolidPen();
            }
            exit_ = {at.surface, p2};
            return;
        }
        const Point text = toBench({p2.x + 10, p2.y});
        canvas_.textOut(text.x, text.y, kInternallyReflected);
        segment(p2, backward(p2, reflectedDirection(normal, insideAngle_), pass_.normalLength));
    }

    const RayPass& pass_;
    const BenchState& bench_;
    Canvas& canvas_;
    int colour_;
    int rayWidth_;
    double glassIndex_;
    double insideAngle_ = 0.0;
    Line inside_;
    RayExit exit_;
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

void drawInDeviceFrame(Canvas& canvas, const BenchFrame& bench, Vec2 from, Vec2 to) {
    const Point a = benchPoint(bench, from);
    const Point b = benchPoint(bench, to);
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(b.x, b.y);
}

RayExit traceThroughDevice(const RayPass& pass, RayEntry entry) {
    return RayDrawing(pass, entry).trace(entry);
}
