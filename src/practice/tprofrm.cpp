// SPDX-License-Identifier: MIT
#include "practice/tprofrm.h"
#include "controls/translation.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "controls/handle_geometry.h"

namespace {

constexpr int kProtractorPage = 0;

void place(Control& control, int left, int top, int width, int height,
           const std::string& caption = {}) {
    control.setBounds(left, top, width, height);
    control.caption = caption;
}

// Groups the buttons that exclude each other, with the one the layout checks; the handlers
// are connected afterwards, so this check runs none.
void groupRadios(RadioGroup& group, std::initializer_list<RadioButton*> buttons,
                 RadioButton& checked) {
    for (RadioButton* button : buttons) {
        group.add(*button);
    }
    checked.setChecked(true);
}

void placeHandle(Shape& handle, int left, int top, ShapeKind kind) {
    handle.setBounds(left, top, kHandleSize, kHandleSize);
    handle.kind = kind;
    handle.visible = false;
}

}  // namespace

TProfrm::TProfrm(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas)
    : protractor(proim, figureCentre, tool, random, linerb, Ang1rb, ang2rb),
      ruler(proim, figureCentre, tool, random, wavefrontrb, pandlrb, anallb),
      rayMovement(proim, {csh, msh, lsh, dsh}, hintlb, random),
      platform_(platform),
      pages_{&protractor, &ruler, &rayMovement},
      currentPage_(&protractor) {
    layOut();
    proim.canvas = makeCanvas(proim.width, proim.height);
    connectHandlers();
    FormCreate();
}

void TProfrm::layOut() {
    form.caption = text::translate("Practice", "Measurement Practice");
    form.clientWidth = 425;
    form.clientHeight = 447;
    form.width = form.clientWidth;
    form.height = form.clientHeight;

    place(Panel1, 8, 8, 409, 257);
    place(proim, 6, 6, 397, 245);
    proim.cursor = Cursor::Cross;
    placeHandle(csh, 240, 136, ShapeKind::Square);
    placeHandle(msh, 168, 112, ShapeKind::Square);
    placeHandle(lsh, 240, 120, ShapeKind::Circle);
    placeHandle(dsh, 120, 96, ShapeKind::Circle);

    place(Panel2, 8, 272, 409, 169);
    place(practicenb, 8, 8, 393, 153);
    practicenb.pages = {text::translate("Practice", "&Protractor"),
                        text::translate("Practice", "&Ruler"),
                        text::translate("Practice", "&Ray Movement")};
    practicenb.initialisePage(kProtractorPage);
    place(Checkbt, 24, 115, 89, 33, text::translate("Practice", "&Check"));
    place(nextbt, 160, 115, 89, 33, text::translate("Practice", "&Next"));
    place(Returnbt, 296, 115, 89, 33, text::translate("Practice", "&Return"));
    place(resetbt, 24, 99, 89, 22, text::translate("Practice", "&Reset"));
    resetbt.visible = false;

    place(GroupBox1, 200, 376, 217, 49, text::translate("Practice", "Angle Measure Method....."));
    GroupBox1.visible = false;
    place(m1rb, 8, 20, 89, 17,  //: A hidden choice, never shown to the student.
          text::translate("Practice", "Method1"));
    place(m2rb, 112, 20, 89, 17, text::translate("Practice", "Method 2"));
    m2rb.tag = ProtractorPage::kMethodTwoLastState;
    groupRadios(measureMethods_, {&m1rb, &m2rb}, m2rb);

    place(Label1, 216, 8, 110, 17, text::translate("Practice", "Find the Angle:"));
    place(Normalrb, 232, 32, 150, 17, text::translate("Practice", "From the Normal"));
    place(linerb, 232, 56, 150, 17, text::translate("Practice", "Between Two Lines"));
    groupRadios(findTheAngle_, {&Normalrb, &linerb}, linerb);
    place(anggb, 16, 16, 185, 49, text::translate("Practice", "The angle is"));
    place(Ang1rb, 8, 24, 88, 17, std::string(" 0") + text::decimalSeparator() + "0\u00B0");
    Ang1rb.tag = static_cast<int>(AngleReading::FromZeroEnd);
    place(ang2rb, 104, 24, 76, 17, std::string(" 180") + text::decimalSeparator() + "0\u00B0");
    ang2rb.tag = static_cast<int>(AngleReading::FromOtherEnd);
    groupRadios(angleReadings_, {&Ang1rb, &ang2rb}, Ang1rb);

    place(Label2, 80, 8, 176, 17, text::translate("Practice", "Measure length between:"));
    place(anallb, 72, 48, 176, 17, text::translate("Practice", "Length is: 0"));
    place(pointsrb, 264, 8, 118, 17, text::translate("Practice", " &2 Points"));
    place(wavefrontrb, 264, 32, 118, 17, text::translate("Practice", " &Wavefronts"));
    place(pandlrb, 264, 56, 118, 17, text::translate("Practice", " Point and &Line"));
    groupRadios(rulerFigures_, {&pointsrb, &wavefrontrb, &pandlrb}, pointsrb);

    place(Label3, 24, 8, 321, 33,
          text::translate("Practice",
                          "Drag the four handles to discover each function. Move the "
                          "handles to reposition the ray."));
    place(hintlb, 8, 48, 369, 17);
}

void TProfrm::connectHandlers() {
    practicenb.onPageChange = [this](Notebook&, int newTab) { practicenbChange(newTab); };
    Checkbt.onClick = [this](Control&) { CheckbtClick(); };
    nextbt.onClick = [this](Control&) { nextbtClick(); };
    Returnbt.onClick = [this](Control&) { ReturnbtClick(); };
    resetbt.onClick = [this](Control&) { resetbtClick(); };
    const Handler findTheAngle = [this](Control&) { NormalrbClick(); };
    Normalrb.onClick = findTheAngle;
    linerb.onClick = findTheAngle;
    const Handler rulerFigure = [this](Control&) { wavefrontrbClick(); };
    pointsrb.onClick = rulerFigure;
    wavefrontrb.onClick = rulerFigure;
    pandlrb.onClick = rulerFigure;
    const Handler angleReading = [this](Control& sender) { Ang1rbClick(sender); };
    Ang1rb.onClick = angleReading;
    ang2rb.onClick = angleReading;
    m1rb.onClick = [this](Control&) { m1rbClick(); };
    m2rb.onClick = [this](Control&) { m2rbClick(); };
}

void TProfrm::FormCreate() {
    // The generator was seeded from the clock by whoever made it, once for the whole run.
    figureCentre = {proim.width / 2, proim.height / 2};
    protractor.generate();
    tool.startOver();
    plotbtClick();
}

void TProfrm::FormActivate() {
    practicenb.setPageIndex(kProtractorPage);
    tool.startOver();
    plotbtClick();
}

void TProfrm::practicenbChange(int NewTab) {
    currentPage_ = pages_.at(static_cast<std::size_t>(NewTab));
    // Any page change starts the ray exercises over, so the page always opens on the first.
    rayMovement.startSubExercisesOver();
    proim.cursor = currentPage().pictureCursor();
    currentPage().enter();
    showHandles(currentPage().showsHandles());
    nextbtClick();
    // Drawn a second time, here and after the figure choices: clearing the picture frames
    // it in the pen the drawing before left, so only the second drawing gives the page the
    // same frame whatever was drawn before it.
    plotbtClick();
}

void TProfrm::nextbtClick() {
    currentPage().generate();
    tool.startOver();
    plotbtClick();
}

void TProfrm::CheckbtClick() {
    announce(platform_, currentPage().check());
}

void TProfrm::ReturnbtClick() {
    if (closeRequested) {
        closeRequested();
    }
}

void TProfrm::NormalrbClick() {
    tool.startOver();
    nextbtClick();
    plotbtClick();
}

void TProfrm::wavefrontrbClick() {
    nextbtClick();
    plotbtClick();
}

void TProfrm::Ang1rbClick(Control& sender) {
    protractor.chosenReading = static_cast<AngleReading>(carriedValue(sender));
}

void TProfrm::m1rbClick() {
    protractor.lastToolState = ProtractorPage::kMethodOneLastState;
}

void TProfrm::m2rbClick() {
    protractor.lastToolState = carriedValue(m2rb);
}

void TProfrm::proimMouseDown(MouseButton, int, int) {
    // The tool moves on when the button is released, not when it is pressed.
}

void TProfrm::proimMouseMove(int X, int Y) {
    hintlb.caption.clear();
    if (currentPage().turnsTheRuler()) {
        ruler.moveRuler({X, Y});
    }
    currentPage().pictureMouseMove({X, Y});
}

void TProfrm::proimMouseUp(MouseButton, int, int) {
    tool.advance(currentPage().toolStates());
    rayMovement.releaseHandle();
}

void TProfrm::plotbtClick() {
    currentPage().draw();
}

void TProfrm::resetbtClick() {
    rayMovement.resetHandles();
    plotbtClick();
}

void TProfrm::dshMouseDown(Shape&, MouseButton, int, int) {
    rayMovement.holdHandle();
}

void TProfrm::dshMouseUp(Shape&, MouseButton, int, int) {
    rayMovement.releaseHandle();
}

void TProfrm::dshMouseMove(Shape& sender, int X, int Y) {
    if (rayMovement.moveRayEnd(sender, {X, Y})) {
        plotbtClick();
    }
}

void TProfrm::mshMouseMove(Shape& sender, int X, int Y) {
    if (rayMovement.moveCarryingHandle(sender, {X, Y})) {
        plotbtClick();
    }
}

void TProfrm::handleMouseMove(Shape& sender, int X, int Y) {
    if (&sender == &dsh || &sender == &lsh) {
        dshMouseMove(sender, X, Y);
    } else {
        mshMouseMove(sender, X, Y);
    }
}

void TProfrm::showHandles(bool visible) {
    for (Shape* handle : {&csh, &msh, &lsh, &dsh}) {
        handle->visible = visible;
    }
}

TColor TProfrm::handleOutline(const Shape& handle) const {
    return &handle == &csh ? colours::red : colours::black;
}

int TProfrm::currentPageIndex() const {
    return static_cast<int>(std::ranges::find(pages_, currentPage_) - pages_.begin());
}

// A key move is a drag by (dx, dy) with the mouse: a press, one move, a release, through the
// handlers the mouse runs.
void TProfrm::moveHandleByKeys(Shape& handle, int dx, int dy) {
    if (!handle.visible) {
        return;
    }
    dshMouseDown(handle, MouseButton::Left, 0, 0);
    handleMouseMove(handle, dx, dy);
    dshMouseUp(handle, MouseButton::Left, dx, dy);
}

void TProfrm::startPointerByKey() {
    const Point at = keyPointer.startAt(figureCentre, proim.width, proim.height);
    proimMouseMove(at.x, at.y);
}

void TProfrm::movePointerByKeys(int dx, int dy) {
    const Point at = keyPointer.moveBy(dx, dy, figureCentre, proim.width, proim.height);
    proimMouseMove(at.x, at.y);
}

void TProfrm::clickPointerByKey() {
    const Point at = keyPointer.position(figureCentre, proim.width, proim.height);
    proimMouseDown(MouseButton::Left, at.x, at.y);
    proimMouseUp(MouseButton::Left, at.x, at.y);
}

std::string TProfrm::accessibleName(const Shape& handle) const {
    return rayMovement.nameOf(handle);
}

std::string TProfrm::accessibleDescription(const Shape& handle) const {
    return rayMovement.hintOf(handle);
}
