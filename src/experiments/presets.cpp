// SPDX-License-Identifier: MIT
// The nine experiments of the two "&Experiments" menus: each sets up a whole experiment in
// one click, through the same handlers the user's own clicks run.
#include "experiments/display_switches.h"
#include "experiments/experiments_layer.h"

namespace {

constexpr int kPlaneItem = 0;
constexpr int kConvexItem = 1;
constexpr int kConcaveItem = 2;

}  // namespace

// Clicks the item only when its check mark differs: its handler toggles the mark and redraws.
void ExperimentsLayer::setSwitch(MenuItem& item, bool on) {
    if (item.checked != on) {
        item.click();
    }
}

void ExperimentsLayer::startExperiment() {
    domeasurecb.setChecked(false);
    taboptions.setPageIndex(0);
}

// One colour, one source with one slit, the bench reset, then the zoom.
void ExperimentsLayer::singleSourceThenReset(int zoom) {
    Oneclrb.setChecked(true);
    N13.click();
    N14.click();
    resetbtClick(resetbt);
    scalesb.setPosition(zoom);
}

// The bench reset and zoomed first, then the sources, one slit and one colour.
void ExperimentsLayer::resetThenSources(int zoom, int sources) {
    resetbtClick(resetbt);
    scalesb.setPosition(zoom);
    (sources == 0 ? N02 : N13).click();
    N14.click();
    Oneclrb.setChecked(true);
}

// Switching the point source off leaves one source; an experiment's own number of sources
// holds all the same.
void ExperimentsLayer::keepSourceCount(int sources) {
    if (sourceCount != sources) {
        (sources == 0 ? N02 : N13).click();
    }
}

// Each switch clicked only where it differs, so that every click's redraw is one the
// experiment needs.
void ExperimentsLayer::applySwitches(const DisplaySwitches& on) {
    setSwitch(ShowCenters1, on.centres);
    setSwitch(ShowGridlines1, on.grid);
    setSwitch(ShowLightsource1, on.lightSource);
    setSwitch(Extendray1, on.extendRefracted);
    setSwitch(incidentray1, on.extendIncident);
    setSwitch(ShowPrincipalaxis1, on.principalAxis);
    setSwitch(ShowNormals1, on.normals);
    setSwitch(ShowRefraction1, on.refraction);
    setSwitch(Pointsource1, on.pointSource);
    setSwitch(FollowReflections1, on.followReflections);
    setSwitch(ShowFocalPoints1, on.focalPoints);
    setSwitch(ShowDirections1, on.directions);
}

// Setting a kind box by program applies nothing: the kind takes effect when the box loses
// the focus, which the next focus move in each experiment's steps brings about.
void ExperimentsLayer::editKind(ComboBox& box, int itemIndex) {
    focus.focus(box);
    box.itemIndex = itemIndex;
}

void ExperimentsLayer::Rectangularprism1Click(Control&) {
    startExperiment();
    singleSourceThenReset(30);
    applySwitches({.refraction = true});
    editKind(leftcb, kPlaneItem);
    focus.focus(rightcb);
    rightcb.itemIndex = kPlaneItem;
    focus.focus(widthsb);
    widthsb.setPosition(100);
}

void ExperimentsLayer::DoubleConvexLens1Click(Control&) {
    startExperiment();
    resetThenSources(10, 0);
    applySwitches({});
    keepSourceCount(0);
    editKind(leftcb, kConvexItem);
    focus.focus(rightcb);
    rightcb.itemIndex = kConvexItem;
    lradiussb.setPosition(20);
    rradiussb.setPosition(20);
    focus.focus(widthsb);
    widthsb.setPosition(5);
}

void ExperimentsLayer::DoubleConcaveLens1Click(Control&) {
    startExperiment();
    resetThenSources(10, 0);
    applySwitches({});
    keepSourceCount(0);
    editKind(leftcb, kConcaveItem);
    focus.focus(rightcb);
    rightcb.itemIndex = kConcaveItem;
    lradiussb.setPosition(20);
    rradiussb.setPosition(20);
    focus.focus(widthsb);
    widthsb.setPosition(30);
}

void ExperimentsLayer::SemiCircularLeft1Click(Control&) {
    startExperiment();
    resetThenSources(kZoomUnity, 1);
    applySwitches({.principalAxis = true, .normals = true});
    editKind(leftcb, kConvexItem);
    lradiussb.setPosition(10);
    focus.focus(rightcb);
    rightcb.itemIndex = kPlaneItem;
    focus.focus(widthsb);
    widthsb.setPosition(57);
    plotbtClick();
}

void ExperimentsLayer::SemicircularPrismRight1Click(Control&) {
    startExperiment();
    resetThenSources(kZoomUnity, 1);
    applySwitches({.principalAxis = true, .normals = true});
    editKind(leftcb, kPlaneItem);
    focus.focus(rightcb);
    rradiussb.setPosition(10);
    rightcb.itemIndex = kConvexItem;
    focus.focus(widthsb);
    widthsb.setPosition(57);
    plotbtClick();
}

void ExperimentsLayer::CircularLens1Click(Control&) {
    startExperiment();
    resetThenSources(kZoomUnity, 1);
    applySwitches({.principalAxis = true, .normals = true, .refraction = true});
    editKind(leftcb, kConvexItem);
    lradiussb.setPosition(10);
    rradiussb.setPosition(10);
    focus.focus(rightcb);
    rightcb.itemIndex = kConvexItem;
    focus.focus(widthsb);
    widthsb.setPosition(116);
    plotbtClick();
}

void ExperimentsLayer::PlaneMirror1Click(Control&) {
    startExperiment();
    singleSourceThenReset(30);
    applySwitches({.normals = true, .refraction = true});
    editKind(leftcb, kPlaneItem);
    focus.focus(scalesb);
    widthsb.setPosition(5);
}

void ExperimentsLayer::ConvexMirror1Click(Control&) {
    startExperiment();
    singleSourceThenReset(30);
    applySwitches({.normals = true, .refraction = true});
    editKind(leftcb, kConvexItem);
    focus.focus(lradiussb);
    lradiussb.setPosition(20);
    widthsb.setPosition(5);
}

// Only the mirror itself: zoom, sources, colours and switches stay as they were.
void ExperimentsLayer::Concavemirror1Click(Control&) {
    startExperiment();
    editKind(leftcb, kConcaveItem);
    focus.focus(lradiussb);
    lradiussb.setPosition(20);
    widthsb.setPosition(5);
}
