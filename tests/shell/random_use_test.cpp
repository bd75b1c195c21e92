// SPDX-License-Identifier: MIT
// A random user: long, reproducible sequences of everything a student can do in both
// editions and in the practice window, with the program's invariants checked after every
// step. A failure names its seed and step; LIGHTBOX_RANDOM_USE_SEED replays that seed and
// LIGHTBOX_RANDOM_USE_STEPS sets how many steps each edition runs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <numbers>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "canvas/pixel.h"
#include "practice/tprofrm.h"
#include "shell/treframain.h"
#include "support/checking_canvas.h"
#include "support/recording_platform.h"

namespace {

std::uint64_t environmentNumber(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::strtoull(value, nullptr, 10) : fallback;
}

struct MenuPath {
    MenuItem* item;
    std::vector<MenuItem*> ancestors;
};

void collectLeaves(MenuItem& item, std::vector<MenuItem*> ancestors, std::vector<MenuPath>& out) {
    if (item.isSeparator()) {
        return;
    }
    if (item.items.empty()) {
        out.push_back({&item, ancestors});
        return;
    }
    ancestors.push_back(&item);
    for (MenuItem* child : item.items) {
        collectLeaves(*child, ancestors, out);
    }
}

bool clickable(const MenuPath& path) {
    if (!path.item->visible || !path.item->enabled) {
        return false;
    }
    for (const MenuItem* ancestor : path.ancestors) {
        if (!ancestor->visible || !ancestor->enabled) {
            return false;
        }
    }
    return true;
}

// Captions the handlers build, as they must always read.
struct CaptionRule {
    const Control* control;
    std::regex pattern;
};

class RandomUser {
  public:
    RandomUser(std::uint64_t seed, const std::string& edition)
        : engine_(seed), practiceRandom_(seed) {
        platform_.executable = edition;
        window_ = std::make_unique<Treframain>(platform_, makeCanvas());
        practice_ = std::make_unique<TProfrm>(platform_, practiceRandom_, makeCanvas());
        window_->FormActivate();
        for (MenuItem* top : window_->MainMenu1) {
            collectLeaves(*top, {}, menu_);
        }
        for (MenuItem* item : window_->PopupMenu1) {
            collectLeaves(*item, {}, menu_);
        }
        captionRules();
    }

    // One random action; returns what it did, for the failure message.
    std::string step() {
        fault_.clear();
        const int choice = number(0, 17);
        switch (choice) {
            case 0:
            case 1:
                return clickMenu();
            case 2:
                return moveScrollBar();
            case 3:
                return chooseKind();
            case 4:
                return moveFocus();
            case 5:
                return clickButtons();
            case 6:
            case 7:
                return dragHandle();
            case 8:
            case 9:
                return useBench();
            case 10:
                return hover();
            case 11:
            case 12:
                return practiceAction();
            case 13:
                return practiceHandleDrag();
            case 15:
                return keysOnTheBench();
            case 16:
                return keysInThePractice();
            default:
                return practiceMouse();
        }
    }

    // Empty when every invariant holds, else what broke.
    std::string violation() const {
        if (!fault_.empty()) {
            return fault_;
        }
        if (refusedPixelValues() != 0) {
            return "a non-finite value reached a pixel conversion";
        }
        for (const CheckingCanvas* canvas : canvases_) {
            if (!canvas->firstFault.empty()) {
                return "canvas call: " + canvas->firstFault;
            }
        }
        const Treframain& w = *window_;
        if (w.centerg.left < w.planeim.left || w.centerg.left > w.planeim.left + w.planeim.width ||
            w.centerg.top < w.planeim.top || w.centerg.top > w.planeim.top + w.planeim.height) {
            return "the centre handle left the picture";
        }
        if (w.bench.measureStep < 0) {
            return "measureStep below zero";
        }
        for (const CaptionRule& rule : rules_) {
            if (!std::regex_match(rule.control->caption, rule.pattern)) {
                return "ill-formed caption \"" + rule.control->caption + "\"";
            }
        }
        if (const std::string ray = unsoundRay(w); !ray.empty()) {
            return ray;
        }

        const TProfrm& p = *practice_;
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
        for (const TracedRay& ray : w.tracedRays) {
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
            if (!w.domeasurecb.checked() && !hasItsHandles(w, ray.source)) {
                return "a ray is drawn without its handles" + where;
            }
        }
        return {};
    }

    // The degrees of "Angle of Incidence is 30.0 Degrees.", or -1 for any other text.
    static double readOutDegrees(const std::string& caption) {
        static const std::regex readOut(R"(Angle of Incidence is +(\d+\.\d) Degrees\.)");
        std::smatch match;
        return std::regex_match(caption, match, readOut) ? std::stod(match[1].str()) : -1.0;
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

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    // Mostly near the control, sometimes far outside anything on screen.
    int coordinate() {
        switch (number(0, 3)) {
            case 0:
                return number(-10, 10);
            case 1:
                return number(-800, 800);
            case 2:
                return number(-100000, 100000);
            default:
                return number(0, 400);
        }
    }

    MouseButton button() { return static_cast<MouseButton>(number(0, 2)); }

    void captionRules() {
        const Treframain& w = *window_;
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
            R"(Angle of Incidence is (0 Degrees|[ \d]\d\.\d Degrees\.)|No angle: the ray meets the device first\.)");
        rule(
            w.anslb,
            R"(|Distance =|Distance = \d+\.\d|Angles are|Angles are -?\d+\.\d Degrees or -?\d+\.\d Degrees\.)");
        rule(w.rays11, R"(Number of &Rays ?\([0-3]\))");
        rule(w.Slits11, R"(Number of &Slits ?\([1-5]\))");
        rule(w.cs1, R"(&Colou?r Scheme \((Color|B/W)\))");
        rule(w.REdrawspeed1, R"(Redraw Speed \((Slow|Med|Fast)\))");
        rule(w.Autohide, R"(&Auto Hide \((On|Off)\))");
    }

    std::string clickMenu() {
        std::vector<MenuPath*> open;
        for (MenuPath& path : menu_) {
            if (clickable(path)) {
                open.push_back(&path);
            }
        }
        MenuPath& chosen =
            *open[static_cast<std::size_t>(number(0, static_cast<int>(open.size()) - 1))];
        chosen.item->click();
        return "menu " + chosen.item->caption;
    }

    std::string moveScrollBar() {
        Treframain& w = *window_;
        ScrollBar* bars[] = {&w.lradiussb, &w.rradiussb,  &w.widthsb, &w.slitsb,
                             &w.scalesb,   &w.glassindex, &w.airindex};
        ScrollBar& bar = *bars[number(0, 6)];
        const int position = number(bar.min, bar.max);
        bar.setPosition(position);
        return "scroll bar to " + std::to_string(position);
    }

    std::string chooseKind() {
        Treframain& w = *window_;
        ComboBox& box = number(0, 1) == 0 ? w.leftcb : w.rightcb;
        const int kind = number(0, 2);
        w.focus.focus(box);
        box.userSelect(kind);
        return "kind box item " + std::to_string(kind);
    }

    std::string moveFocus() {
        Treframain& w = *window_;
        Control* targets[] = {&w.leftcb,   &w.rightcb, &w.lradiussb,  &w.rradiussb,
                              &w.widthsb,  &w.slitsb,  &w.scalesb,    &w.glassindex,
                              &w.airindex, &w.resetbt, &w.domeasurecb};
        w.focus.focus(*targets[number(0, 10)]);
        return "focus moved";
    }

    std::string clickButtons() {
        Treframain& w = *window_;
        switch (number(0, 6)) {
            case 0:
                w.resetbt.click();
                return "Reset";
            case 1:
                w.domeasurecb.userClick();
                return "Measure";
            case 2:
                (number(0, 1) == 0 ? w.measurerb : w.Anglerb).userClick();
                return "Length or Angle";
            case 3:
                (number(0, 1) == 0 ? w.Oneclrb : w.threeclrb).userClick();
                return "one or three colours";
            case 4:
                w.taboptions.setPageIndex(number(0, 1));
                return "options page";
            case 5:
                w.FormDeactivate();
                return "window deactivated";
            default:
                w.Panel2MouseMove(coordinate(), coordinate());
                return "over the options group";
        }
    }

    std::string dragHandle() {
        Treframain& w = *window_;
        Shape* handles[] = {&w.dsh1, &w.dsh2, &w.dsh3, &w.ssh1, &w.ssh2,
                            &w.ssh3, &w.mid1, &w.mid2, &w.mid3, &w.centerg};
        std::vector<Shape*> shown;
        for (Shape* handle : handles) {
            if (handle->visible) {
                shown.push_back(handle);
            }
        }
        if (shown.empty()) {
            return "no handle to drag";
        }
        Shape& handle =
            *shown[static_cast<std::size_t>(number(0, static_cast<int>(shown.size()) - 1))];
        w.dsh1MouseDown(handle, button(), number(0, 4), number(0, 4));
        const int moves = number(1, 4);
        for (int i = 0; i < moves; ++i) {
            moveHandle(handle, coordinate(), coordinate());
        }
        w.dsh1MouseUp(handle, button(), coordinate(), coordinate());
        return "dragged a handle";
    }

    void moveHandle(Shape& handle, int x, int y) {
        Treframain& w = *window_;
        if (&handle == &w.centerg) {
            w.centergMouseMove(handle, x, y);
        } else if (&handle == &w.mid1 || &handle == &w.mid2 || &handle == &w.mid3) {
            w.mid1MouseMove(handle, x, y);
        } else {
            w.dsh1MouseMove(handle, x, y);
            if (w.bench.handleDragging && handleOf(handle).role == HandleRole::Source &&
                handle.left >= w.bench.deviceLeftX) {
                fault_ = "a dragged source handle reached the device";
            }
        }
    }

    // A key step: one pixel, ten with Shift, or none, in each direction.
    int keyStep() {
        const int steps[] = {-10, -1, 0, 1, 10};
        return steps[number(0, 4)];
    }

    std::string keysOnTheBench() {
        Treframain& w = *window_;
        Shape* handles[] = {&w.dsh1, &w.dsh2, &w.dsh3, &w.ssh1, &w.ssh2,
                            &w.ssh3, &w.mid1, &w.mid2, &w.mid3, &w.centerg};
        switch (number(0, 3)) {
            case 0: {
                Shape& handle = *handles[number(0, 9)];
                w.handleFocused(handle);
                const int presses = number(1, 6);
                for (int i = 0; i < presses; ++i) {
                    w.moveHandleByKeys(handle, keyStep(), keyStep());
                }
                return "moved a handle by keys";
            }
            case 1:
                w.startPointerByKey();
                return "Home on the bench";
            case 2:
                w.movePointerByKeys(keyStep(), keyStep());
                return "arrows on the bench";
            default:
                w.clickPointerByKey();
                return "Enter on the bench";
        }
    }

    std::string keysInThePractice() {
        TProfrm& p = *practice_;
        Shape* handles[] = {&p.dsh, &p.lsh, &p.msh, &p.csh};
        switch (number(0, 3)) {
            case 0:
                p.moveHandleByKeys(*handles[number(0, 3)], keyStep(), keyStep());
                return "moved a practice handle by keys";
            case 1:
                p.startPointerByKey();
                return "Home on the practice picture";
            case 2:
                p.movePointerByKeys(keyStep(), keyStep());
                return "arrows on the practice picture";
            default:
                p.clickPointerByKey();
                return "Space on the practice picture";
        }
    }

    std::string useBench() {
        Treframain& w = *window_;
        if (number(0, 3) == 0) {
            w.Enablecopyselect1.click();
        }
        w.planeimMouseDown(button(), coordinate(), coordinate());
        const int moves = number(0, 4);
        for (int i = 0; i < moves; ++i) {
            w.planeimMouseMove(coordinate(), coordinate());
        }
        w.planeimMouseUp(button(), coordinate(), coordinate());
        return "pressed, moved and released on the bench";
    }

    std::string hover() {
        Treframain& w = *window_;
        switch (number(0, 3)) {
            case 0:
                w.resetbtMouseMove();
                return "over Reset";
            case 1:
                w.zoomlbMouseMove();
                return "over the zoom label";
            case 2:
                moveHandle(w.dsh1, coordinate(), coordinate());
                return "over a handle";
            default:
                w.planeimMouseMove(coordinate(), coordinate());
                return "over the bench";
        }
    }

    std::string practiceAction() {
        TProfrm& p = *practice_;
        switch (number(0, 6)) {
            case 0:
                p.practicenb.setPageIndex(number(0, 2));
                return "practice page";
            case 1:
                p.nextbtClick();
                return "Next";
            case 2:
                p.CheckbtClick();
                return "Check";
            case 3:
                (number(0, 1) == 0 ? p.Normalrb : p.linerb).userClick();
                return "find the angle";
            case 4: {
                RadioButton* figures[] = {&p.pointsrb, &p.wavefrontrb, &p.pandlrb};
                figures[number(0, 2)]->userClick();
                return "ruler figure";
            }
            case 5:
                (number(0, 1) == 0 ? p.Ang1rb : p.ang2rb).userClick();
                return "angle reading";
            default:
                p.FormActivate();
                return "practice window shown";
        }
    }

    std::string practiceHandleDrag() {
        TProfrm& p = *practice_;
        Shape* handles[] = {&p.dsh, &p.lsh, &p.msh, &p.csh};
        Shape& handle = *handles[number(0, 3)];
        p.dshMouseDown(handle, button(), 2, 2);
        const int moves = number(1, 4);
        for (int i = 0; i < moves; ++i) {
            p.handleMouseMove(handle, coordinate(), coordinate());
        }
        p.dshMouseUp(handle, button(), 2, 2);
        return "dragged a practice handle";
    }

    std::string practiceMouse() {
        TProfrm& p = *practice_;
        p.proimMouseDown(button(), coordinate(), coordinate());
        p.proimMouseMove(coordinate(), coordinate());
        p.proimMouseUp(button(), coordinate(), coordinate());
        p.proimMouseMove(coordinate(), coordinate());
        return "used the practice picture";
    }

    std::mt19937_64 engine_;
    ClockSeededRandom practiceRandom_;
    RecordingPlatform platform_;
    std::vector<CheckingCanvas*> canvases_;
    std::unique_ptr<Treframain> window_;
    std::unique_ptr<TProfrm> practice_;
    std::vector<MenuPath> menu_;
    std::vector<CaptionRule> rules_;
    std::string fault_;
};

void playRandomUse(const std::string& edition) {
    const std::uint64_t steps = environmentNumber("LIGHTBOX_RANDOM_USE_STEPS", 4000);
    std::vector<std::uint64_t> seeds = {11, 23, 37};
    if (std::getenv("LIGHTBOX_RANDOM_USE_SEED") != nullptr) {
        seeds = {environmentNumber("LIGHTBOX_RANDOM_USE_SEED", 1)};
    }
    for (const std::uint64_t seed : seeds) {
        RandomUser user(seed, edition);
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
