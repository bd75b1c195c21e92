// SPDX-License-Identifier: MIT
#include "practice/tprofrm.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <string>

#include "canvas/pixel.h"
#include "practice/grade.h"
#include "practice/practice_geometry.h"
#include "practice/protractor_exercise.h"
#include "practice/ray_movement_exercise.h"
#include "practice/ruler_exercise.h"

using std::numbers::pi;

namespace {

constexpr int kProtractorPage = 0;
constexpr int kRulerPage = 1;
constexpr int kRayMovementPage = 2;

constexpr int kToolAimOffset = 20;
constexpr int kRulerToolStates = 3;
constexpr int kMinimumHandleGap = 15;
constexpr int kLineHandleBelowHitPoint = 7;
constexpr double kRayStartInset = 40;
constexpr int kSubExercises = 4;
constexpr int kLineShiftPerStep = 20;
constexpr int kLineShift = 5;
constexpr int kHitPointShiftPerStep = 15;
constexpr int kHitPointShift = 5;

constexpr double kProtractorRight = 1.5;
constexpr double kProtractorClose = 3;
constexpr double kRulerRight = 3;
constexpr double kRulerClose = 5;
constexpr double kRayAngleTolerance = 0.03;
constexpr int kRayPositionTolerance = 3;

constexpr std::string_view kProtractorPraise = "Right!\rWell done!";

const std::string kDirectionHint = "Adjust the ray\u00B4s angle of incidence.";
const std::string kHitPointHint = "Adjust the point where the ray hits the interface.";
const std::string kMidpointHint = "Adjust the ray\u00B4s position preserving the angle.";
const std::string kLineHint = "Adjust to move entire structure.";

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
    handle.setBounds(left, top, 5, 5);
    handle.kind = kind;
    handle.visible = false;
}

}  // namespace

TProfrm::TProfrm(Platform& platform, RandomSource& random, const CanvasFactory& makeCanvas)
    : platform_(platform), random_(random) {
    layOut();
    proim.canvas = makeCanvas(proim.width, proim.height);
    connectHandlers();
    FormCreate();
}

void TProfrm::layOut() {
    form.caption = "Measurement Practice";
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
    practicenb.pages = {"&Protractor", "&Ruler", "&Ray Movement"};
    practicenb.initialisePage(kProtractorPage);
    place(Checkbt, 24, 115, 89, 33, "&Check");
    place(nextbt, 160, 115, 89, 33, "&Next");
    place(Returnbt, 296, 115, 89, 33, "&Return");
    place(resetbt, 24, 99, 89, 22, "&Reset");
    resetbt.visible = false;

    place(GroupBox1, 200, 376, 217, 49, "Angle Measure Method.....");
    GroupBox1.visible = false;
    place(m1rb, 8, 20, 89, 17, "Method1");
    place(m2rb, 112, 20, 89, 17, "Method 2");
    m2rb.tag = 3;
    groupRadios(measureMethods_, {&m1rb, &m2rb}, m2rb);

    place(Label1, 216, 8, 110, 17, "Find the Angle:");
    place(Normalrb, 232, 32, 150, 17, "From the Normal");
    place(linerb, 232, 56, 150, 17, "Between Two Lines");
    groupRadios(findTheAngle_, {&Normalrb, &linerb}, linerb);
    place(anggb, 16, 16, 185, 49, "The angle is");
    anggb.tag = 1;
    place(Ang1rb, 8, 24, 88, 17, " 0.0\u00B0");
    Ang1rb.tag = 1;
    place(ang2rb, 104, 24, 76, 17, " 180.0\u00B0");
    ang2rb.tag = 2;
    groupRadios(angleReadings_, {&Ang1rb, &ang2rb}, Ang1rb);

    place(Label2, 80, 8, 176, 17, "Measure length between:");
    place(anallb, 72, 48, 176, 17, "Length is: 0");
    place(pointsrb, 264, 8, 118, 17, " &2 Points");
    place(wavefrontrb, 264, 32, 118, 17, " &Wavefronts");
    place(pandlrb, 264, 56, 118, 17, " Point and &Line");
    groupRadios(rulerFigures_, {&pointsrb, &wavefrontrb, &pandlrb}, pointsrb);

    place(Label3, 24, 8, 321, 33,
          "Drag the four handles to discover each function. Move the handles to reposition "
          "the ray.");
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
    figureCentreX = proim.width / 2;
    figureCentreY = proim.height / 2;
    generateProtractorExercise();
    setToolState(0);
    plotbtClick();
}

void TProfrm::FormActivate() {
    practicenb.setPageIndex(kProtractorPage);
    setToolState(0);
    plotbtClick();
}

void TProfrm::practicenbChange(int NewTab) {
    practicenb.tag = NewTab;
    resetbt.tag = -1;
    const bool rayMovement = NewTab == kRayMovementPage;
    proim.cursor = rayMovement ? Cursor::Arrow : Cursor::Cross;
    if (rayMovement) {
        resetbtClick();
    }
    for (Shape* handle : {&csh, &msh, &lsh, &dsh}) {
        handle->visible = rayMovement;
    }
    nextbtClick();
    plotbtClick();
}

void TProfrm::nextbtClick() {
    switch (page()) {
        case kProtractorPage:
            generateProtractorExercise();
            break;
        case kRulerPage:
            generateRulerExercise();
            break;
        default:
            generateRayMovementExercise();
            break;
    }
    setToolState(0);
    plotbtClick();
}

void TProfrm::CheckbtClick() {
    switch (page()) {
        case kProtractorPage:
            announce(platform_, checkProtractor());
            break;
        case kRulerPage:
            announce(platform_, checkRuler());
            break;
        default:
            announce(platform_, checkRayMovement());
            break;
    }
}

void TProfrm::ReturnbtClick() {
    if (closeRequested) {
        closeRequested();
    }
}

void TProfrm::NormalrbClick() {
    setToolState(0);
    nextbtClick();
    plotbtClick();
}

void TProfrm::wavefrontrbClick() {
    nextbtClick();
    plotbtClick();
}

void TProfrm::Ang1rbClick(Control& sender) {
    anggb.tag = sender.tag;
}

void TProfrm::m1rbClick() {
    m2rb.tag = 2;
}

void TProfrm::m2rbClick() {
    m2rb.tag = 3;
}

void TProfrm::proimMouseDown(MouseButton, int X, int Y) {
    // Only the first measuring method, which the window never offers, places the centre on
    // a press rather than a release.
    if (!m1rb.checked()) {
        return;
    }
    handleHeld = true;
    if (proim.tag == 1) {
        toolOriginX = X;
        toolOriginY = Y;
    }
}

void TProfrm::proimMouseMove(int X, int Y) {
    hintlb.caption.clear();
    if (page() == kProtractorPage) {
        protractorMouseMove(X, Y);
    } else {
        rulerMouseMove(X, Y);
    }
}

void TProfrm::proimMouseUp(MouseButton, int, int) {
    const int states = page() == kProtractorPage ? m2rb.tag + 1 : kRulerToolStates;
    setToolState((proim.tag + 1) % states);
    handleHeld = false;
}

void TProfrm::plotbtClick() {
    const Point centre{figureCentreX, figureCentreY};
    switch (page()) {
        case kProtractorPage:
            drawProtractorFigure(picture(), centre, {exerciseAngle, exerciseRotation},
                                 linerb.checked());
            break;
        case kRulerPage: {
            const RulerFigure figure = wavefrontrb.checked() ? RulerFigure::Wavefronts
                                       : pandlrb.checked()   ? RulerFigure::PointAndLine
                                                             : RulerFigure::TwoPoints;
            drawRulerFigure(picture(), centre, {exerciseAngle, exerciseLength}, figure);
            rulerbtClick();
            break;
        }
        default:
            drawRayMovementFigure();
            break;
    }
}

void TProfrm::rulerbtClick() {
    drawRuler(picture(), {toolOriginX, toolOriginY}, {toolAimX, toolAimY}, savedToolAngle);
}

void TProfrm::finalbtClick() {
    drawRayTarget(picture(), targetLineX, exerciseAngle, exerciseLength);
}

void TProfrm::flashbtClick() {
    const Point lens{dsh.left - proim.left + 3, dsh.top - proim.top + 3};
    drawTorch(picture(), lens, principalSlope(dsh.top - lsh.top, dsh.left - lsh.left));
}

void TProfrm::resetbtClick() {
    const int width = proim.width;
    const int height = proim.height;
    const double a = resetbt.tag == 1 ? exerciseAngle : 0.0;
    const double rayLength = width / 2.0 - kRayStartInset;
    lsh.top = height / 2;
    lsh.left = 2 * (width / 3);
    csh.left = lsh.left;
    csh.top = height / 2 + kLineHandleBelowHitPoint;
    dsh.top = lsh.top - truncPixel(std::sin(a) * rayLength);
    dsh.left = lsh.left - truncPixel(std::cos(a) * rayLength);
    msh.top = (lsh.top + dsh.top) / 2;
    msh.left = (lsh.left + dsh.left) / 2;
    plotbtClick();
}

void TProfrm::dshMouseDown(Shape&, MouseButton, int, int) {
    handleHeld = true;
}

void TProfrm::dshMouseUp(Shape&, MouseButton, int, int) {
    handleHeld = false;
}

void TProfrm::dshMouseMove(Shape& sender, int X, int Y) {
    hintlb.caption = &sender == &dsh ? kDirectionHint : kHitPointHint;
    if (!handleHeld) {
        return;
    }
    sender.top += Y;
    if (&sender == &dsh) {
        sender.left += X;
    }
    // The torch must stay on the near side of the interface.
    if (dsh.left > lsh.left - kMinimumHandleGap) {
        dsh.left = lsh.left - kMinimumHandleGap;
    }
    msh.top = (dsh.top + lsh.top) / 2;
    msh.left = (dsh.left + lsh.left) / 2;
    plotbtClick();
}

void TProfrm::mshMouseMove(Shape& sender, int X, int Y) {
    hintlb.caption = &sender == &msh ? kMidpointHint : kLineHint;
    if (!handleHeld) {
        return;
    }
    struct Carried {
        Shape* handle;
        int dx;
        int dy;
    };
    Carried carried[] = {{&dsh, 0, 0}, {&msh, 0, 0}, {&lsh, 0, 0}};
    for (Carried& c : carried) {
        c.dx = sender.left - c.handle->left;
        c.dy = sender.top - c.handle->top;
    }
    sender.top += Y;
    if (&sender == &csh) {
        sender.left += X;
    }
    for (const Carried& c : carried) {
        c.handle->left = sender.left - c.dx;
        c.handle->top = sender.top - c.dy;
    }
    plotbtClick();
}

void TProfrm::handleMouseMove(Shape& sender, int X, int Y) {
    if (&sender == &dsh || &sender == &lsh) {
        dshMouseMove(sender, X, Y);
    } else {
        mshMouseMove(sender, X, Y);
    }
}

TColor TProfrm::handleOutline(const Shape& handle) const {
    return &handle == &csh ? colours::red : colours::black;
}

void TProfrm::generateProtractorExercise() {
    const ProtractorExercise exercise = ::generateProtractorExercise(random_);
    exerciseAngle = exercise.exerciseAngle;
    exerciseRotation = exercise.exerciseRotation;
}

void TProfrm::generateRulerExercise() {
    const RulerExercise exercise = ::generateRulerExercise(random_, proim.height);
    exerciseAngle = exercise.exerciseAngle;
    exerciseLength = exercise.exerciseLength;
}

void TProfrm::generateRayMovementExercise() {
    resetbt.tag = (resetbt.tag + 1) % kSubExercises;
    targetLineX = 2 * (proim.width / 3) - proim.left + 2;
    switch (resetbt.tag) {
        case 0:
            exerciseAngle = targetRayAngle(exerciseStep(random_));
            exerciseLength = lsh.top - proim.top + 2;
            break;
        case 3:
            targetLineX += exerciseStep(random_) * kLineShiftPerStep + kLineShift;
            [[fallthrough]];
        default:
            // Placed from where the student left the hit point, in Panel1's coordinates.
            exerciseAngle = targetRayAngle(exerciseStep(random_));
            exerciseLength =
                exerciseStep(random_) * kHitPointShiftPerStep + kHitPointShift + lsh.top;
            break;
    }
    resetbtClick();
}

void TProfrm::protractorMouseMove(int X, int Y) {
    const int toolState = proim.tag;
    if (toolState == m2rb.tag) {
        return;
    }
    plotbtClick();
    if (toolState == 0 || toolState == 1) {
        if (toolState == 0) {
            toolOriginX = X;
            toolOriginY = Y;
        }
        const Point origin{toolOriginX, toolOriginY};
        const Point aim = toolState == 0 ? Point{X + kToolAimOffset, Y} : Point{X, Y};
        toolAngle = directionTowards(aim, origin);
        toolAimX = aim.x;
        toolAimY = aim.y;
        savedToolAngle = toolAngle;
        plotbtClick();
        drawMovingProtractor(picture(), origin, aim, toolAngle);
        return;
    }
    if (toolState != 2) {
        return;
    }
    const Point origin{toolOriginX, toolOriginY};
    toolAngle = savedToolAngle;
    drawFixedProtractor(picture(), origin, {toolAimX, toolAimY}, toolAngle);
    const double pointer = directionTowards({X, Y}, origin);
    const double angle = pointerAngle(toolAngle, pointer);
    Ang1rb.caption = angleReadingText(angle);
    if (!pointerOnScale(angle)) {
        return;
    }
    toolReading = angle * 180 / pi;
    drawProtractorPointer(picture(), origin, pointer);
    const double supplement = pi - angle;
    supplementReading = supplement * 180 / pi;
    ang2rb.caption = angleReadingText(supplement);
}

void TProfrm::rulerMouseMove(int X, int Y) {
    Point aim{toolAimX, toolAimY};
    if (proim.tag == 0) {
        toolOriginX = X;
        toolOriginY = Y;
        aim = {X + kToolAimOffset, Y};
    } else if (proim.tag == 1) {
        aim = {X, Y};
    }
    const Point origin{toolOriginX, toolOriginY};
    toolAngle = rulerDirectionTowards(aim, origin);
    toolAimX = aim.x;
    toolAimY = aim.y;
    savedToolAngle = toolAngle;
    plotbtClick();
    const double dx = origin.x - aim.x;
    const double dy = origin.y - aim.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    toolReading = distance;
    anallb.caption = distanceCaption(distance);
}

void TProfrm::drawRayMovementFigure() {
    Canvas& canvas = picture();
    clearToWhite(canvas);
    canvas.pen.width = 2;
    finalbtClick();
    canvas.pen.color = colours::black;
    const int lineX = csh.left - proim.left + 2;
    strokeLine(canvas, {lineX, 0}, {lineX, proim.height});
    canvas.pen.color = colours::red;
    strokeLine(canvas, handleCentre(lsh), handleCentre(dsh));
    canvas.pen.width = 1;
    canvas.brush.color = canvas.pen.color;
    flashbtClick();
}

Point TProfrm::handleCentre(const Shape& handle) const {
    return {handle.left - proim.left + 2, handle.top - proim.top + 2};
}

Verdict TProfrm::checkProtractor() const {
    const double reading = anggb.tag == 2 ? supplementReading : toolReading;
    const double error = linerb.checked() ? std::fabs(reading - exerciseAngle)
                                          : std::fabs(std::fabs(90 - exerciseAngle) - reading);
    return {gradeOfError(error, kProtractorRight, kProtractorClose), kProtractorPraise};
}

Verdict TProfrm::checkRuler() const {
    const double error = std::fabs(toolReading - exerciseLength);
    return {gradeOfError(error, kRulerRight, kRulerClose), kWellDone};
}

Verdict TProfrm::checkRayMovement() const {
    const double angle = principalSlope(dsh.top - lsh.top, dsh.left - lsh.left);
    const int lineX = csh.left - proim.left + 2;
    const int hitY = lsh.top - proim.top + 2;
    const bool right = std::fabs(angle - exerciseAngle) < kRayAngleTolerance &&
                       std::abs(lineX - targetLineX) < kRayPositionTolerance &&
                       std::abs(hitY - truncPixel(exerciseLength)) < kRayPositionTolerance;
    return {right ? Grade::Right : Grade::Wrong, kWellDone};
}
