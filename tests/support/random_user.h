// SPDX-License-Identifier: MIT
#pragma once

// A random user: long, reproducible sequences of everything a student can do in both
// editions and in the practice window, on whatever canvases the caller gives the windows.
// The random-use test checks the program's invariants after every step; the replay tool
// prints a digest of every step, so that two builds can be compared step by step.
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "canvas/canvas_factory.h"
#include "practice/tprofrm.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

namespace random_use {

struct MenuPath {
    MenuItem* item;
    std::vector<MenuItem*> ancestors;
};

inline void collectLeaves(MenuItem& item, std::vector<MenuItem*> ancestors,
                          std::vector<MenuPath>& out) {
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

// The teaching aids among the View switches, by caption, so that this user also plays an older
// tree that has none of them (scripts/compare-replay.sh hands it one).
inline bool isTeachingAid(const MenuItem& item) {
    for (const char* caption :
         {"&Follow Internal Reflections", "Show F&ocal Points", "Show Ray &Directions"}) {
        if (item.caption == caption) {
            return true;
        }
    }
    return false;
}

inline bool clickable(const MenuPath& path) {
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

}  // namespace random_use

class RandomUser {
  public:
    // The farthest a mouse coordinate goes, relative to the control it is given to: well past
    // any screen by default; a screen's width for runs on real pixels, where a copy selection
    // that far across would make a clipboard picture of gigabytes.
    static constexpr int kFarPastAnyScreen = 100000;
    static constexpr int kAcrossAScreen = 3000;

    // Whether the user also plays the teaching aids (random_use::isTeachingAid). Left alone,
    // they stay off and every other choice is the one an older tree's user makes.
    enum class TeachingAids { LeftAlone, Played };

    RandomUser(std::uint64_t seed, const std::string& edition, const CanvasFactory& makeCanvas,
               int farthest = kFarPastAnyScreen, TeachingAids aids = TeachingAids::LeftAlone)
        : engine_(seed), practiceRandom_(seed), farthest_(farthest) {
        platform_.executable = edition;
        window_ = std::make_unique<Treframain>(platform_, makeCanvas);
        practice_ = std::make_unique<TProfrm>(platform_, practiceRandom_, makeCanvas);
        window_->FormActivate();
        std::vector<random_use::MenuPath> leaves;
        for (MenuItem* top : window_->MainMenu1) {
            random_use::collectLeaves(*top, {}, leaves);
        }
        for (MenuItem* item : window_->PopupMenu1) {
            random_use::collectLeaves(*item, {}, leaves);
        }
        for (const random_use::MenuPath& leaf : leaves) {
            if (!random_use::isTeachingAid(*leaf.item)) {
                menu_.push_back(leaf);
            } else if (aids == TeachingAids::Played) {
                aids_.push_back(leaf);
            }
        }
    }

    const Treframain& window() const { return *window_; }
    const TProfrm& practice() const { return *practice_; }
    // What went wrong during the last step that no later look at the windows can see.
    const std::string& fault() const { return fault_; }

    // One random action; returns what it did, for the failure message.
    std::string step() {
        fault_.clear();
        if (!aids_.empty() && number(0, kOneAidStepIn - 1) == 0) {
            return clickTeachingAid();
        }
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

  private:
    // About one step in this many switches a teaching aid, when they are played.
    static constexpr int kOneAidStepIn = 12;

    int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

    // Mostly near the control, sometimes far outside anything on screen.
    int coordinate() {
        switch (number(0, 3)) {
            case 0:
                return number(-10, 10);
            case 1:
                return number(-800, 800);
            case 2:
                return number(-farthest_, farthest_);
            default:
                return number(0, 400);
        }
    }

    MouseButton button() { return static_cast<MouseButton>(number(0, 2)); }

    std::string clickMenu() {
        std::vector<random_use::MenuPath*> open;
        for (random_use::MenuPath& path : menu_) {
            if (random_use::clickable(path)) {
                open.push_back(&path);
            }
        }
        random_use::MenuPath& chosen =
            *open[static_cast<std::size_t>(number(0, static_cast<int>(open.size()) - 1))];
        chosen.item->click();
        return "menu " + chosen.item->caption;
    }

    std::string clickTeachingAid() {
        std::vector<random_use::MenuPath*> open;
        for (random_use::MenuPath& path : aids_) {
            if (random_use::clickable(path)) {
                open.push_back(&path);
            }
        }
        if (open.empty()) {
            return "no teaching aid to switch";
        }
        random_use::MenuPath& chosen =
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
            moveHandle(handle, coordinate(), coordinate(), true);
        }
        w.dsh1MouseUp(handle, button(), coordinate(), coordinate());
        return "dragged a handle";
    }

    void moveHandle(Shape& handle, int x, int y, bool held) {
        Treframain& w = *window_;
        if (&handle == &w.centerg) {
            w.centergMouseMove(handle, x, y);
        } else if (&handle == &w.mid1 || &handle == &w.mid2 || &handle == &w.mid3) {
            w.mid1MouseMove(handle, x, y);
        } else {
            w.dsh1MouseMove(handle, x, y);
            if (held && handleOf(handle).role == HandleRole::Source &&
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
                moveHandle(w.dsh1, coordinate(), coordinate(), false);
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
    int farthest_;
    RecordingPlatform platform_;
    std::unique_ptr<Treframain> window_;
    std::unique_ptr<TProfrm> practice_;
    std::vector<random_use::MenuPath> menu_;
    std::vector<random_use::MenuPath> aids_;
    std::string fault_;
};
