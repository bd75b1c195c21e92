// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <cmath>
#include <numbers>

#include "canvas/pixel.h"

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;
constexpr int kReflectedLength = 600;
constexpr int kExtensionLength = 500;
constexpr int kFaceExitLength = 350;
// The shown index of the mirror's "sine": beyond 1, so that every ray reflects.
constexpr double kMirrorSine = 3.0;

Point benchPoint(const BenchState& bench, Vec2 p) {
    return {truncPixel(p.x) + bench.deviceOffsetX, truncPixel(p.y) + bench.deviceOffsetY};
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

    void trace(RayEntry entry) {
        const Vec2 p1 = entry.point;
        double sineRatio = pass_.mirror ? kMirrorSine
                                        : snellSine(entry.entryNormalAngle - entry.incidentAngle,
                                                    bench_.airIndex(), glassIndex_);
        if (std::fabs(sineRatio) > 1.0) {
            if (!entry.stopped) {
                reflectAtEntry(p1, entry);
            }
            return;
        }
        if (entry.stopped) {
            return;
        }
        insideAngle_ = entry.entryNormalAngle - std::asin(sineRatio);
        inside_ = lineThrough(p1, insideAngle_);
        passThrough(p1);
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

    // Where the inside line meets the right surface.
    CircleHit rightSurfaceHit(double planeX) const {
        const double radius = bench_.radiusFactor[kRightSide] * bench_.radiusUnit;
        const double halfWidth = bench_.deviceWidth / 2;
        switch (bench_.surfaceKind[kRightSide]) {
            case kConvex: {
                const Vec2 centre{
                    bench_.benchMidX - bench_.surfaceCentreDist[kRightSide] + halfWidth,
                    static_cast<double>(bench_.benchMidY)};
                return circleIntersection(inside_, centre, radius, Intersection::Rightmost);
            }
            case kConcave: {
                const Vec2 centre{
                    bench_.benchMidX + bench_.surfaceCentreDist[kRightSide] + halfWidth,
                    static_cast<double>(bench_.benchMidY)};
                return circleIntersection(inside_, centre, radius, Intersection::Leftmost);
            }
            default:
                return {1.0, planeX};
        }
    }

    bool strictlyInsideAperture(double y) const {
        return bench_.apertureTop < y && y < bench_.apertureBottom;
    }

    void passThrough(Vec2 p1) {
        const double planeX = bench_.benchMidX + truncPixel(bench_.deviceWidth / 2);
        CircleHit hit = rightSurfaceHit(planeX);
        Vec2 p2{hit.x, inside_.yAt(hit.x)};
        // A horizontal ray running exactly along the top or bottom edge meets no face: it
        // is followed to the right surface like any ray inside the aperture.
        const bool alongAnEdge = inside_.slope == 0.0 && hit.discriminant > 0.0 &&
                                 (p2.y == bench_.apertureTop || p2.y == bench_.apertureBottom);
        if (hit.discriminant > 0.0 && (strictlyInsideAperture(p2.y) || alongAnEdge)) {
            segment(p1, p2);
            leave(p2);
            return;
        }

        // A horizontal ray that misses the right surface can reach no face either.
        if (inside_.slope == 0.0) {
            return;
        }
        // The ray reaches the flat top or bottom face (or misses the right surface).
        const bool goingDown = inside_.slope > 0.0;
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
            return;
        }

        // Total internal reflection at the face: followed once more, to the right surface.
        insideAngle_ = -insideAngle_;
        inside_ = lineThrough(face, insideAngle_);
        const double reflectedPlaneX =
            bench_.benchMidX + truncPixel(pass_.widthPosition / 2.0 * bench_.zoomFactor);
        hit = rightSurfaceHit(reflectedPlaneX);
        p2 = {hit.x, inside_.yAt(hit.x)};
        if (hit.discriminant >= 0.0) {
            segment(face, p2);
        }
        if (hit.discriminant > 0.0) {
            leave(p2);
        }
    }

    double exitNormalAngle(double y2) const {
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

    void leave(Vec2 p2) {
        const double normal = exitNormalAngle(p2.y);
        normalThrough(p2, normal);
        const double sineRatio = snellSine(normal - insideAngle_, glassIndex_, bench_.airIndex());
        if (1.0 - sineRatio * sineRatio > 0.0) {
            const double exitAngle = normal - std::asin(sineRatio);
            segment(p2, along(p2, exitAngle, pass_.benchWidth));
            if (pass_.extendRay) {
                dottedRed(p2, backward(p2, exitAngle, kExtensionLength));
                resumeSolidPen();
            }
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
};

}  // namespace

LeftSurfaceEntry leftSurfaceEntry(const BenchState& bench, int y1) {
    const int baseLine = bench.benchMidX - truncPixel(bench.deviceWidth) / 2;
    const double d = y1 - bench.benchMidY;
    const double radius = bench.radiusFactor[kLeftSide] * bench.radiusUnit;
    switch (bench.surfaceKind[kLeftSide]) {
        case kConvex:
            return {static_cast<double>(baseLine + surfaceOffset(bench, y1, kConvex, kLeftSide)),
                    curvedNormal(d, radius)};
        case kConcave:
            return {static_cast<double>(baseLine - surfaceOffset(bench, y1, kConcave, kLeftSide)),
                    -curvedNormal(d, radius)};
        default:
            return {static_cast<double>(baseLine + 1), 0.0};
    }
}

void drawInDeviceFrame(Canvas& canvas, const BenchState& bench, Vec2 from, Vec2 to) {
    const Point a = benchPoint(bench, from);
    const Point b = benchPoint(bench, to);
    canvas.moveTo(a.x, a.y);
    canvas.lineTo(b.x, b.y);
}

void traceThroughDevice(const RayPass& pass, RayEntry entry) {
    RayDrawing(pass, entry).trace(entry);
}
