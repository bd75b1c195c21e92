// SPDX-License-Identifier: MIT
#include "bench/device_outline.h"

#include <algorithm>
#include <cmath>

#include "canvas/pixel.h"

namespace {

// A meeting this close to where the ray turned back is that same point.
constexpr double kSamePoint = 0.5;

// The aim itself is where the incident ray is meant to meet the device: a meeting this
// close to it, as a fraction of the way, is that meeting.
constexpr double kAtTheAim = 1e-9;

double rightPlaneX(const BenchFrame& bench) {
    return bench.benchMidX + truncPixel(bench.deviceWidth / 2);
}

bool withinAperture(const BenchFrame& bench, double y) {
    return bench.apertureTop <= y && y <= bench.apertureBottom;
}

bool strictlyInsideLens(const BenchFrame& bench, Vec2 p) {
    return bench.apertureTop < p.y && p.y < bench.apertureBottom &&
           leftSurfaceX(bench, p.y) < p.x && p.x < rightSurfaceX(bench, p.y);
}

// The way from `from` to `aim`, as fractions of it.
struct Way {
    Vec2 from;
    Vec2 aim;

    Vec2 at(double t) const {
        return {from.x + t * (aim.x - from.x), from.y + t * (aim.y - from.y)};
    }
    bool before(double t) const { return t >= 0.0 && t < 1.0 - kAtTheAim; }
};

// The earliest meeting found so far.
class EarliestMeeting {
  public:
    void offer(double t) {
        if (!earliest_ || t < *earliest_) {
            earliest_ = t;
        }
    }
    std::optional<double> fraction() const { return earliest_; }

  private:
    std::optional<double> earliest_;
};

// The aim lies on the left surface's circle, so the way meets that circle at the aim
// (t = 1) and, by the product of the roots, at t = c / a: the only other place where the
// incident ray can cross the surface it is aimed at.
void meetLeftSurface(const BenchFrame& bench, const Way& way, EarliestMeeting& meeting) {
    const std::optional<SurfaceCircle> circle = leftSurfaceCircle(bench);
    if (!circle) {
        return;
    }
    const double dx = way.aim.x - way.from.x;
    const double dy = way.aim.y - way.from.y;
    const double fx = way.from.x - circle->centre.x;
    const double fy = way.from.y - circle->centre.y;
    const double a = dx * dx + dy * dy;
    const double t = (fx * fx + fy * fy - circle->radius * circle->radius) / a;
    const Vec2 p = way.at(t);
    if (way.before(t) && circle->onDrawnHalf(p) && withinAperture(bench, p.y)) {
        meeting.offer(t);
    }
}

void meetRightSurface(const BenchFrame& bench, const Way& way, EarliestMeeting& meeting) {
    const double dx = way.aim.x - way.from.x;
    const double dy = way.aim.y - way.from.y;
    const std::optional<SurfaceCircle> circle = rightSurfaceCircle(bench);
    if (!circle) {
        if (dx != 0.0) {
            const double t = (rightPlaneX(bench) - way.from.x) / dx;
            if (way.before(t) && withinAperture(bench, way.at(t).y)) {
                meeting.offer(t);
            }
        }
        return;
    }
    const double fx = way.from.x - circle->centre.x;
    const double fy = way.from.y - circle->centre.y;
    const double a = dx * dx + dy * dy;
    const double b = 2.0 * (fx * dx + fy * dy);
    const double c = fx * fx + fy * fy - circle->radius * circle->radius;
    const double discriminant = b * b - 4.0 * a * c;
    if (discriminant < 0.0) {
        return;
    }
    const double root = std::sqrt(discriminant);
    for (const double t : {(-b - root) / (2.0 * a), (-b + root) / (2.0 * a)}) {
        const Vec2 p = way.at(t);
        if (way.before(t) && circle->onDrawnHalf(p) && withinAperture(bench, p.y)) {
            meeting.offer(t);
        }
    }
}

void meetFace(const BenchFrame& bench, const Way& way, int faceY, EarliestMeeting& meeting) {
    const double dy = way.aim.y - way.from.y;
    if (dy == 0.0) {
        return;
    }
    const double t = (faceY - way.from.y) / dy;
    const double x = way.at(t).x;
    if (way.before(t) && leftSurfaceX(bench, faceY) <= x && x <= rightSurfaceX(bench, faceY)) {
        meeting.offer(t);
    }
}

// A meeting this close behind the start, by round-off, is still a meeting at the start.
constexpr double kRoundOffBehind = 1e-9;

// The candidates for the first crossing of a ray with the outline, nearest kept.
class CrossingSearch {
  public:
    CrossingSearch(Vec2 from, double travel, Crossing way)
        : from_(from), u_{std::cos(travel), -std::sin(travel)}, way_(way) {}

    // A meeting t pixels along the ray with a piece whose outward normal there is `normal`
    // (a screen vector) counts when the ray goes through the piece the chosen way.
    void offer(double t, OutlinePiece piece, Vec2 normal) {
        // A ray in the surroundings has just left the glass: a meeting at its start is the
        // corner it left by, where a face ends, not a way back in.
        const double nearest = way_ == Crossing::Inward ? kSamePoint : -kRoundOffBehind;
        if (t <= nearest || (best_ && t >= best_->distance)) {
            return;
        }
        const double outward = u_.x * normal.x + u_.y * normal.y;
        const bool goesThrough = way_ == Crossing::Outward ? outward > 0.0 : outward < 0.0;
        if (!goesThrough) {
            return;
        }
        best_ = OutlineCrossing{at(t), piece, std::max(t, 0.0)};
    }

    Vec2 at(double t) const { return {from_.x + t * u_.x, from_.y + t * u_.y}; }
    Vec2 from() const { return from_; }
    Vec2 direction() const { return u_; }
    std::optional<OutlineCrossing> best() const { return best_; }

  private:
    Vec2 from_;
    Vec2 u_;
    Crossing way_;
    std::optional<OutlineCrossing> best_;
};

// The outward normal of a curved surface at one of its points, as a screen vector: away
// from the centre where the glass lies inside the circle, towards it where it lies outside.
Vec2 circleNormal(const SurfaceCircle& circle, Vec2 p) {
    const double dx = p.x - circle.centre.x;
    const double dy = p.y - circle.centre.y;
    const double length = std::hypot(dx, dy);
    const double sense = circle.enclosesDevice ? 1.0 : -1.0;
    return {sense * dx / length, sense * dy / length};
}

void crossSurface(const BenchFrame& bench, const std::optional<SurfaceCircle>& circle,
                  double planeX, OutlinePiece piece, bool starting, CrossingSearch& search) {
    const Vec2 from = search.from();
    const Vec2 u = search.direction();
    if (!circle) {
        // A plane surface meets a ray only once: not again where it starts.
        if (!starting && u.x != 0.0) {
            const double t = (planeX - from.x) / u.x;
            if (withinAperture(bench, search.at(t).y)) {
                search.offer(t, piece, {piece == OutlinePiece::Left ? -1.0 : 1.0, 0.0});
            }
        }
        return;
    }
    const double fx = from.x - circle->centre.x;
    const double fy = from.y - circle->centre.y;
    const double b = fx * u.x + fy * u.y;
    const auto offerOnArc = [&](double t) {
        const Vec2 p = search.at(t);
        if (circle->onDrawnHalf(p) && withinAperture(bench, p.y)) {
            search.offer(t, piece, circleNormal(*circle, p));
        }
    };
    if (starting) {
        // The start is one meeting of the ray's line with the circle; the other lies at
        // t = -2 (from - centre) . u, and only ahead of the start does it count.
        const double t = -2.0 * b;
        if (t > kSamePoint) {
            offerOnArc(t);
        }
        return;
    }
    const double c = fx * fx + fy * fy - circle->radius * circle->radius;
    const double discriminant = b * b - c;
    if (discriminant <= 0.0) {
        return;
    }
    const double root = std::sqrt(discriminant);
    offerOnArc(-b - root);
    offerOnArc(-b + root);
}

void crossFace(const BenchFrame& bench, int faceY, OutlinePiece piece, bool starting,
               CrossingSearch& search) {
    const Vec2 u = search.direction();
    if (starting || u.y == 0.0) {
        return;
    }
    const double t = (faceY - search.from().y) / u.y;
    const double x = search.at(t).x;
    if (leftSurfaceX(bench, faceY) <= x && x <= rightSurfaceX(bench, faceY)) {
        search.offer(t, piece, {0.0, piece == OutlinePiece::Top ? -1.0 : 1.0});
    }
}

}  // namespace

double rightSurfaceX(const BenchFrame& bench, double y) {
    const std::optional<SurfaceCircle> circle = rightSurfaceCircle(bench);
    if (!circle) {
        return rightPlaneX(bench);
    }
    const double d = y - bench.benchMidY;
    const double root = rootOfDifference(circle->radius * circle->radius, d * d);
    return circle->leftHalf ? circle->centre.x - root : circle->centre.x + root;
}

std::optional<OutlineCrossing> firstCrossing(const BenchFrame& bench, Vec2 from, double travel,
                                             Crossing way, OutlinePiece startPiece) {
    CrossingSearch search(from, travel, way);
    crossSurface(bench, leftSurfaceCircle(bench), leftSurfaceX(bench, bench.benchMidY),
                 OutlinePiece::Left, startPiece == OutlinePiece::Left, search);
    crossSurface(bench, rightSurfaceCircle(bench), rightPlaneX(bench), OutlinePiece::Right,
                 startPiece == OutlinePiece::Right, search);
    crossFace(bench, bench.apertureTop, OutlinePiece::Top, startPiece == OutlinePiece::Top, search);
    crossFace(bench, bench.apertureBottom, OutlinePiece::Bottom, startPiece == OutlinePiece::Bottom,
              search);
    return search.best();
}

std::optional<SurfaceCircle> leftSurfaceCircle(const BenchFrame& bench) {
    const double centreY = bench.benchMidY;
    const double distance = bench.surfaceCentreDist[kLeftSide];
    const double radius = surfaceRadius(bench, kLeftSide);
    switch (bench.surfaceKind[kLeftSide]) {
        case kConvex:
            return SurfaceCircle{{leftBaseLine(bench) + distance, centreY}, radius, true, true};
        case kConcave:
            return SurfaceCircle{{leftBaseLine(bench) - distance, centreY}, radius, false, false};
        default:
            return std::nullopt;
    }
}

std::optional<SurfaceCircle> rightSurfaceCircle(const BenchFrame& bench) {
    const double centreY = bench.benchMidY;
    const double distance = bench.surfaceCentreDist[kRightSide];
    const double radius = surfaceRadius(bench, kRightSide);
    const double halfWidth = bench.deviceWidth / 2;
    switch (bench.surfaceKind[kRightSide]) {
        case kConvex:
            return SurfaceCircle{
                {bench.benchMidX - distance + halfWidth, centreY}, radius, false, true};
        case kConcave:
            return SurfaceCircle{
                {bench.benchMidX + distance + halfWidth, centreY}, radius, true, false};
        default:
            return std::nullopt;
    }
}

double leftSurfaceX(const BenchFrame& bench, double y) {
    const std::optional<SurfaceCircle> circle = leftSurfaceCircle(bench);
    if (!circle) {
        return leftBaseLine(bench) + 1.0;
    }
    const double d = y - bench.benchMidY;
    const double root = rootOfDifference(circle->radius * circle->radius, d * d);
    return circle->leftHalf ? circle->centre.x - root : circle->centre.x + root;
}

std::optional<Vec2> arcAgain(const BenchFrame& bench, const SurfaceCircle& circle, Vec2 from,
                             double travel) {
    // `from` is one root of the line's meeting with the circle (t = 0); for a unit
    // direction the other is t = -2 (from - centre) . u.
    const Vec2 u{std::cos(travel), -std::sin(travel)};
    const double t = -2.0 * ((from.x - circle.centre.x) * u.x + (from.y - circle.centre.y) * u.y);
    const Vec2 p{from.x + t * u.x, from.y + t * u.y};
    if (t <= kSamePoint || !circle.onDrawnHalf(p) || !withinAperture(bench, p.y)) {
        return std::nullopt;
    }
    return p;
}

std::optional<Vec2> leftSurfaceAgain(const BenchFrame& bench, double y, double travel) {
    const std::optional<SurfaceCircle> circle = leftSurfaceCircle(bench);
    if (!circle) {
        return std::nullopt;
    }
    // From the surface's exact point at this row: the drawn entry point lies up to a pixel
    // off it.
    return arcAgain(bench, *circle, {leftSurfaceX(bench, y), y}, travel);
}

std::optional<Vec2> firstMeetingBeforeAim(const BenchFrame& bench, bool mirror, Vec2 from,
                                          Vec2 aim) {
    if (from.x == aim.x && from.y == aim.y) {
        return std::nullopt;
    }
    if (!mirror && strictlyInsideLens(bench, from)) {
        return from;
    }
    const Way way{from, aim};
    EarliestMeeting meeting;
    meetLeftSurface(bench, way, meeting);
    if (!mirror) {
        meetRightSurface(bench, way, meeting);
        meetFace(bench, way, bench.apertureTop, meeting);
        meetFace(bench, way, bench.apertureBottom, meeting);
    }
    if (const std::optional<double> t = meeting.fraction()) {
        return way.at(*t);
    }
    return std::nullopt;
}
