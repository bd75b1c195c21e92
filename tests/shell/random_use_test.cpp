// SPDX-License-Identifier: MIT
// The program's invariants, checked after every step of a random user (support/random_user.h)
// in both editions and the practice window. A failure names its seed and step;
// LIGHTBOX_RANDOM_USE_SEED replays that seed and LIGHTBOX_RANDOM_USE_STEPS sets how many steps each
// edition runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <numbers>
#include <regex>
#include <string>
#include <vector>

#include "bench/device_outline.h"
#include "canvas/pixel.h"
#include "support/checking_canvas.h"
#include "support/lens_outline.h"
#include "support/random_user.h"

namespace {

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoull(value, nullptr, 10) : fallback;
}

// Captions the handlers build, as they must always read.
struct CaptionRule {
    const Control* control;
    std::regex pattern;
};

// A random user on checking canvases, and what must hold after each of its steps.
class CheckedRandomUser {
  public:
    CheckedRandomUser(std::uint64_t seed, const std::string& edition)
        : user_(seed, edition, makeCanvas(), RandomUser::kFarPastAnyScreen,
                RandomUser::TeachingAids::Played) {
        captionRules();
    }

    std::string step() { return user_.step(); }

    // Empty when every invariant holds, else what broke.
    std::string violation() const {
        if (!user_.fault().empty()) {
            return user_.fault();
        }
        if (refusedPixelValues() != 0) {
            return "a non-finite value reached a pixel conversion";
        }
        for (const CheckingCanvas* canvas : canvases_) {
            if (!canvas->firstFault.empty()) {
                return "canvas call: " + canvas->firstFault;
            }
        }
        const Treframain& w = user_.window();
        if (w.centerg.left < w.planeim.left || w.centerg.left > w.planeim.left + w.planeim.width ||
            w.centerg.top < w.planeim.top || w.centerg.top > w.planeim.top + w.planeim.height) {
            return "the centre handle left the picture";
        }
        if (w.measuring.phase() < 0) {
            return "measuring phase below zero";
        }
        for (const CaptionRule& rule : rules_) {
            if (!std::regex_match(rule.control->caption, rule.pattern)) {
                return "ill-formed caption \"" + rule.control->caption + "\"";
            }
        }
        if (w.bench.tracedRays != w.bench.tracedAfresh(w.benchSettings())) {
            return "the rays kept from the last pass are not what tracing afresh gives";
        }
        if (const std::string ray = unsoundRay(w); !ray.empty()) {
            return ray;
        }

        const TProfrm& p = user_.practice();
        if (p.tool.state < 0 || p.tool.state > 3) {
            return "practice tool state " + std::to_string(p.tool.state);
        }
        if (p.rayMovement.subExercise < -1 || p.rayMovement.subExercise > 3) {
            return "ray movement sub-exercise " + std::to_string(p.rayMovement.subExercise);
        }
        if (p.currentPageIndex() != p.practicenb.pageIndex()) {
            return "practice page out of step";
        }
        return {};
    }

  private:
    // What a physics teacher would mark wrong in the last trace, or a ray the student
    // cannot take hold of.
    static std::string unsoundRay(const Treframain& w) {
        if (readOutDegrees(w.ianglelb.caption) >= 90.0) {
            return "angle of incidence read-out " + w.ianglelb.caption;
        }
        for (const RayPath& ray : w.bench.tracedRays) {
            const std::string where = " (source " + std::to_string(ray.source) + ", slit " +
                                      std::to_string(ray.slit) + ")";
            if (ray.incidentAngle && !headsFor(*ray.incidentAngle, ray.start, ray.aim)) {
                return "an incident ray runs away from its aim" + where;
            }
            if (ray.incidence && std::fabs(*ray.incidence) >= std::numbers::pi / 2) {
                return "a ray entered from behind its surface" + where;
            }
            if (ray.exit.surface == ExitSurface::Right &&
                !onDrawnRightArc(w.bench, ray.exit.point)) {
                return "a ray left through the far half of the right surface" + where;
            }
            for (std::size_t k = 0; k < ray.strokes.size(); ++k) {
                // An internal reflection's stub follows its note, inside the glass.
                const bool fromInside = k > 0 && ray.strokes[k - 1].kind == StrokeKind::Note;
                if (ray.strokes[k].kind == StrokeKind::Reflected &&
                    goesBackThroughItsSurface(w.bench, ray.strokes[k], fromInside)) {
                    return "a reflected ray is drawn through the surface it turned at" + where;
                }
                if (!w.mirror() && throughGlassUnturned(w.bench, ray.strokes[k], fromInside)) {
                    return "a " + kindName(ray.strokes[k].kind) +
                           " stroke runs through the outline of the glass" + where;
                }
            }
            if (!w.domeasurecb.checked() && !hasItsHandles(w, ray.source)) {
                return "a ray is drawn without its handles" + where;
            }
        }
        return {};
    }

    // Nothing is drawn through glass without a refraction or reflection there: what runs
    // inside (the inside strokes, an internal reflection's stub) stays in the glass, what
    // runs outside (the incident ray, the emergent ray, a ray turned back in the air) stays
    // out of it, each to a pixel.
    static bool throughGlassUnturned(const BenchFrame& bench, const Stroke& stroke,
                                     bool fromInside) {
        switch (stroke.kind) {
            case StrokeKind::Inside:
                return lens_outline::crossesTheOutline(bench, stroke.from, stroke.to, true);
            case StrokeKind::Reflected:
                return lens_outline::crossesTheOutline(bench, stroke.from, stroke.to, fromInside);
            case StrokeKind::Incident:
            case StrokeKind::Emergent:
                return lens_outline::crossesTheOutline(bench, stroke.from, stroke.to, false);
            default:
                return false;
        }
    }

    static std::string kindName(StrokeKind kind) {
        switch (kind) {
            case StrokeKind::Inside:
                return "inside";
            case StrokeKind::Reflected:
                return "reflected";
            case StrokeKind::Incident:
                return "incident";
            default:
                return "emergent";
        }
    }

    // The degrees of "Angle of Incidence is 30.0 Degrees.", or -1 for any other text.
    static double readOutDegrees(const std::string& caption) {
        static const std::regex readOut(R"(Angle of Incidence is +(\d+\.\d) Degrees\.)");
        std::smatch match;
        return std::regex_match(caption, match, readOut) ? std::stod(match[1].str()) : -1.0;
    }

    // How far right of a surface a point lies; rows outside the aperture lie beside none.
    static std::optional<double> rightOf(const BenchFrame& bench, bool leftSide, Vec2 p) {
        if (p.y < bench.apertureTop || p.y > bench.apertureBottom) {
            return std::nullopt;
        }
        if (leftSide) {
            return p.x - leftSurfaceX(bench, p.y);
        }
        const std::optional<SurfaceCircle> circle = rightSurfaceCircle(bench);
        if (!circle) {
            return p.x - (bench.benchMidX + truncPixel(bench.deviceWidth / 2));
        }
        const double d = p.y - circle->centre.y;
        const double root = std::sqrt(std::max(0.0, circle->radius * circle->radius - d * d));
        return p.x - (circle->leftHalf ? circle->centre.x - root : circle->centre.x + root);
    }

    // A ray turned back at a surface stays on the side it came from: no point of the stroke
    // lies more than a pixel beyond the surface it starts on (its start, a drawn pixel, may
    // itself lie up to a pixel off the exact surface). Turned back in the air (at the entry,
    // or by a mirror) it stays left of the left surface; inside the glass, it stays right of
    // the left surface or left of the right one.
    static bool goesBackThroughItsSurface(const BenchFrame& bench, const Stroke& stroke,
                                          bool fromInside) {
        constexpr double kPixel = 1.0;
        const auto near = [&](bool leftSide) {
            const std::optional<double> x = rightOf(bench, leftSide, stroke.from);
            return x && std::fabs(*x) <= kPixel;
        };
        const bool onLeft = near(true);
        if (!onLeft && !near(false)) {
            return false;
        }
        // Positive beyond the surface, seen from the side the ray is on.
        const double sign = onLeft != fromInside ? 1.0 : -1.0;
        const double length = std::hypot(stroke.to.x - stroke.from.x, stroke.to.y - stroke.from.y);
        for (double along = 1.0; along < length; along += 1.0) {
            const double t = along / length;
            const Vec2 p{stroke.from.x + t * (stroke.to.x - stroke.from.x),
                         stroke.from.y + t * (stroke.to.y - stroke.from.y)};
            const std::optional<double> x = rightOf(bench, onLeft, p);
            if (x && sign * *x > kPixel) {
                return true;
            }
        }
        return false;
    }

    static bool headsFor(double direction, Vec2 from, Vec2 to) {
        return std::cos(direction) * (to.x - from.x) - std::sin(direction) * (to.y - from.y) > 0.0;
    }

    // A point of the right surface's arc: on its circle, on the side of the centre away
    // from the device (a convex surface's centre lies inside the device, a concave one's
    // beyond it).
    static bool onDrawnRightArc(const BenchState& bench, Vec2 p) {
        const int kind = bench.surfaceKind[kRightSide];
        if (kind == kPlane) {
            return true;
        }
        const double distance = bench.surfaceCentreDist[kRightSide];
        const double halfWidth = bench.deviceWidth / 2;
        const double centreX = kind == kConvex ? bench.benchMidX - distance + halfWidth
                                               : bench.benchMidX + distance + halfWidth;
        const double radius = bench.radiusFactor[kRightSide] * bench.radiusUnit;
        const bool onCircle =
            std::fabs(std::hypot(p.x - centreX, p.y - bench.benchMidY) - radius) < 1.0;
        return onCircle && (kind == kConvex ? p.x >= centreX : p.x <= centreX);
    }

    // A traced source shows its source handle (a point source's rays all leave from
    // source 1's) and its aim handle.
    static bool hasItsHandles(const Treframain& w, int source) {
        const Shape& origin = *w.bench.handleShapes[source];
        const Shape& aim = *w.bench.handleShapes[source + 3];
        const bool onSourceOne = w.Pointsource1.checked && w.dsh1.visible &&
                                 origin.left == w.dsh1.left && origin.top == w.dsh1.top;
        return aim.visible && (origin.visible || onSourceOne);
    }

    CanvasFactory makeCanvas() {
        return [this](int width, int height) {
            auto canvas = std::make_unique<CheckingCanvas>(width, height);
            canvases_.push_back(canvas.get());
            return canvas;
        };
    }

    void captionRules() {
        const Treframain& w = user_.window();
        const auto rule = [this](const Control& control, const char* pattern) {
            rules_.push_back({&control, std::regex(pattern)});
        };
        rule(w.zoomlb, R"(Zoom: \d{1,3}%)");
        rule(w.lradiuslb, R"(Radius: \d{2})");
        rule(w.Rradiuslb, R"(Radius: \d{2})");
        rule(w.llb, R"(\d{1,3})");
        rule(w.slb, R"(\d{1,2})");
        rule(w.glasslb, R"("Glass": [123]\.\d\d)");
        rule(w.airlb, R"("Air": [123]\.\d\d)");
        rule(
            w.ianglelb,
            R"(Angle of Incidence is (0 Degrees|[ \d]\d\.\d Degrees\.)|No angle: the ray meets the device first\.|No angle: the source stands on its aim point\.)");
        rule(
            w.anslb,
            R"(|Distance =|Distance = \d+\.\d|Angles are|Angles are -?\d+\.\d Degrees or -?\d+\.\d Degrees\.)");
        rule(w.rays11, R"(Number of &Rays ?\([0-3]\))");
        rule(w.Slits11, R"(Number of &Slits ?\([1-5]\))");
        rule(w.cs1, R"(&Colou?r Scheme \((Color|B/W)\))");
        rule(w.REdrawspeed1, R"(Redraw Speed \((Slow|Med|Fast)\))");
        rule(w.Autohide, R"(&Auto Hide \((On|Off)\))");
    }

    std::vector<CheckingCanvas*> canvases_;
    std::vector<CaptionRule> rules_;
    RandomUser user_;
};

void playRandomUse(const std::string& edition) {
    const std::uint64_t steps = environmentNumber("LIGHTBOX_RANDOM_USE_STEPS", 4000);
    std::vector<std::uint64_t> seeds = {11, 23, 37};
    if (std::getenv("LIGHTBOX_RANDOM_USE_SEED") != nullptr) {
        seeds = {environmentNumber("LIGHTBOX_RANDOM_USE_SEED", 1)};
    }
    for (const std::uint64_t seed : seeds) {
        CheckedRandomUser user(seed, edition);
        for (std::uint64_t step = 1; step <= steps; ++step) {
            const std::string action = user.step();
            const std::string broken = user.violation();
            if (!broken.empty()) {
                FAIL() << edition << ": " << broken << " after step " << step << " (" << action
                       << "); replay with LIGHTBOX_RANDOM_USE_SEED=" << seed
                       << " LIGHTBOX_RANDOM_USE_STEPS=" << step;
            }
        }
    }
}

TEST(RandomUse, theRefractionEditionKeepsEveryInvariant) {
    playRandomUse("Lumivex");
}

TEST(RandomUse, theReflectionEditionKeepsEveryInvariant) {
    playRandomUse("Spekvale");
}

}  // namespace
