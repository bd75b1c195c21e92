// SPDX-License-Identifier: MIT
// The View switches, the redraw speed, the options group that slides away while Auto Hide
// is on, and the hint texts of the options group.
#include "controls/translation.h"
#include "interaction/hints.h"
#include "interaction/interaction_layer.h"

namespace {

// The options group keeps this far from the bench panel, shown or slid away.
constexpr int kOptionsGroupGap = 4;

}  // namespace

void InteractionLayer::ShowCenters1Click(Control& sender) {
    auto& item = static_cast<MenuItem&>(sender);
    item.checked = !item.checked;
    drawlensbtClick();
}

void InteractionLayer::Slow1Click(Control& sender) {
    const auto& item = static_cast<const MenuItem&>(sender);
    bench.redrawSpeed = carriedValue(item);
    //: The Options menu's item; %1 is the chosen speed (Slow, Med, Fast).
    REdrawspeed1.caption =
        text::arg(text::translate("MainMenu", "Redraw Speed (%1)"), {item.caption});
    drawlensbtClick();
}

void InteractionLayer::On1Click(Control& sender) {
    const auto& item = static_cast<const MenuItem&>(sender);
    //: The Options menu's item; %1 is On or Off.
    Autohide.caption = text::arg(text::translate("MainMenu", "&Auto Hide (%1)"), {item.caption});
    autoHide = carriedValue(item) == 1;
    if (autoHide) {
        // The bench fills the frame but for a strip at the bottom, where the group waits.
        Panel1.height = Panel2.height - 30;
    } else {
        Panel1.height = kBenchPanelHeight;
        GroupBox1.top = shownOptionsTop();
    }
    resizeBench(Panel1.height - 2 * planeim.top);
    // Only the picture grows: the bench's midline, radius unit and aperture stay those of
    // the 344-pixel bench, and the device moves to the new middle.
    bench.moveDevice(0, planeim.top + planeim.height / 2 - centerg.top);
    drawlensbtClick();
}

// With the mouse on the bench, only the group's top strip stays inside the frame.
void InteractionLayer::slideOptionsGroupAway() {
    if (autoHide) {
        GroupBox1.top = Panel1.top + Panel1.height + kOptionsGroupGap;
    }
}

void InteractionLayer::Panel2MouseMove(int, int) {
    if (autoHide) {
        GroupBox1.top = shownOptionsTop();
    }
}

void InteractionLayer::resetbtMouseMove() {
    hintslb.caption = hints::reset();
}

void InteractionLayer::zoomlbMouseMove() {
    hintslb.caption = hints::zoom();
}

void InteractionLayer::taboptionsChange(int newTab) {
    if (newTab == 0) {
        hintslb.caption = hints::devicePage();
    } else if (newTab == 1) {
        hintslb.caption = hints::measurementPage();
    }
}

// The whole options group above the frame's bottom edge, over the lower part of the bench.
int InteractionLayer::shownOptionsTop() const {
    return Panel2.height - GroupBox1.height - kOptionsGroupGap;
}

void InteractionLayer::resizeBench(int height) {
    planeim.height = height;
    lensim.height = height;
    planeim.canvas->resize(planeim.width, height);
    lensim.canvas->resize(lensim.width, height);
}
