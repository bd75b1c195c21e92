// SPDX-License-Identifier: MIT
// Taking a handle: in a target around it, on a torch, with the mouse or a finger, and what
// the pointer looks like meanwhile.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QPointingDevice>
#include <QTest>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "app/grab_targets.h"
#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "canvas/torch_icon.h"
#include "interaction/hints.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

// Two handles side by side, centres (102, 102) and (112, 102); a torch behind the first,
// left of x = 80.
std::vector<GrabCandidate> twoHandles() {
    return {{QRect(100, 100, 5, 5), [](QPoint at) { return at.x() < 80 && at.y() == 102; }},
            {QRect(110, 100, 5, 5), {}}};
}

struct TakenCase {
    const char* what;
    QPoint at;
    std::optional<std::size_t> taken;
};

const TakenCase kTaken[] = {
    {"on the first's shape", {100, 104}, 0},
    {"the first's target, top-left corner", {90, 90}, 0},
    {"the first's target, bottom edge", {96, 114}, 0},
    {"just left of the first's target", {89, 102}, std::nullopt},
    {"just above both targets", {106, 89}, std::nullopt},
    {"just right of the second's target", {125, 102}, std::nullopt},
    {"overlap, nearer the first", {106, 102}, 0},
    {"overlap, nearer the second", {108, 96}, 1},
    {"overlap, halfway: the first", {107, 102}, 0},
    {"on the second's shape, inside the first's target", {110, 102}, 1},
    {"on the first's torch, far outside its target", {40, 102}, 0},
    {"beside the torch", {40, 103}, std::nullopt},
};

TEST(HandleTargets, aPressTakesTheHandleWhoseTargetHoldsItTheNearestCentreWinning) {
    const std::vector<GrabCandidate> handles = twoHandles();
    for (const TakenCase& c : kTaken) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(handleTakenAt(c.at, handles), c.taken);
    }
    EXPECT_EQ(grabTargetAround(QRect(100, 100, 5, 5)), QRect(90, 90, 25, 25));
}

// Every pixel of a drawn torch's lens (yellow) and body (black) takes it; the beam strokes
// (green here) and the arrowhead (red) ahead of the lens do not.
TEST(HandleTargets, aTorchIsTakenOnEveryPixelOfItsLensAndBodyAndNotAhead) {
    const double directions[] = {0.0, std::numbers::pi / 4, 2.0, -std::numbers::pi / 2, 3.0};
    const Point lens{60, 60};
    for (const double direction : directions) {
        SCOPED_TRACE(direction);
        QtCanvas canvas(120, 120);
        canvas.brush = Brush{colours::white, BrushStyle::Solid};
        canvas.pen.color = colours::white;
        canvas.rectangle(0, 0, 120, 120);
        canvas.pen.color = colours::green;
        drawTorchIcon(canvas, lens, direction, TorchLook{});
        const QImage& image = canvas.image();
        int torchPixels = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                const Point at{x, y};
                if (pixel == toQRgb(colours::yellow) || pixel == toQRgb(colours::black)) {
                    ++torchPixels;
                    EXPECT_TRUE(torchCovers(lens, direction, TorchLook{}, at)) << x << ", " << y;
                }
                if (pixel == toQRgb(colours::red)) {
                    EXPECT_FALSE(torchCovers(lens, direction, TorchLook{}, at)) << x << ", " << y;
                }
            }
        }
        EXPECT_GT(torchPixels, 400);
    }
}

struct GrabCase {
    const char* what;
    const Shape& (*handle)(const Treframain&);
    // Where the press lands, from the shape's top-left pixel.
    QPoint pressedAt;
    // How far a 6-pixel drag down moves the handle; none when the press takes nothing. An
    // aim (and a middle handle with it) also slides sideways along the lens's curved face.
    std::optional<QPoint> moved;
};

const Shape& source(const Treframain& m) {
    return m.dsh1;
}
const Shape& aim(const Treframain& m) {
    return m.ssh1;
}
const Shape& middle(const Treframain& m) {
    return m.mid1;
}
const Shape& centre(const Treframain& m) {
    return m.centerg;
}

// A press on the shape is today's drag: the source keeps the mouse 3 pixels into it, the
// other handles put their corner under it. Anywhere else in the target the handle keeps its
// distance from the pointer.
const GrabCase kGrabs[] = {
    {"source, on its shape", source, {2, 2}, QPoint(-1, 5)},
    {"source, 10 to the right", source, {12, 2}, QPoint(0, 6)},
    {"source, at the target's bottom-right corner", source, {14, 14}, QPoint(0, 6)},
    {"source, outside its target", source, {15, 2}, std::nullopt},
    {"aim, on its shape", aim, {2, 2}, QPoint(-1, 8)},
    {"aim, 10 to the right", aim, {12, 2}, QPoint(-1, 6)},
    {"aim, outside its target", aim, {2, 15}, std::nullopt},
    {"middle, on its shape", middle, {2, 2}, QPoint(-1, 8)},
    {"middle, 10 above", middle, {2, -8}, QPoint(-1, 6)},
    {"middle, outside its target", middle, {2, -11}, std::nullopt},
    {"centre, on its shape", centre, {2, 2}, QPoint(2, 8)},
    {"centre, 10 below", centre, {2, 12}, QPoint(0, 6)},
    {"centre, outside its target", centre, {-11, 2}, std::nullopt},
};

TEST(HandleTargetsOnScreen, aDragStartedInATargetKeepsTheHandleWhereThePointerTookIt) {
    for (const GrabCase& c : kGrabs) {
        SCOPED_TRACE(c.what);
        ShownMainWindow window;
        Treframain& m = window.model;
        const Shape& shape = c.handle(m);
        HandleWidget* widget = window.view.handleFor(shape);
        const QPoint pressed = window.at(widget, c.pressedAt);
        const QPoint before(shape.left, shape.top);

        window.press(pressed);
        EXPECT_EQ(m.bench.handleHeld, c.moved.has_value());
        window.drag(pressed + QPoint(0, 6));
        window.release(pressed + QPoint(0, 6));
        EXPECT_FALSE(m.bench.handleHeld);
        EXPECT_EQ(QPoint(shape.left, shape.top) - before, c.moved.value_or(QPoint(0, 0)));
        EXPECT_EQ(widget->pos(), QPoint(shape.left, shape.top));
    }
}

TEST(HandleTargetsOnScreen, aPressOnATorchBehindItsSourceDragsTheSource) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* widget = window.view.handleFor(m.dsh1);
    // The torch's body lies behind its lamp, away from the aim, which is to its right.
    ASSERT_GT(m.ssh1.left, m.dsh1.left + 30);
    const QPoint onTheBody = window.at(widget, {-20, 3});
    const QPoint before(m.dsh1.left, m.dsh1.top);
    window.press(onTheBody);
    window.drag(onTheBody + QPoint(-4, 6));
    window.release(onTheBody + QPoint(-4, 6));
    EXPECT_EQ(QPoint(m.dsh1.left, m.dsh1.top) - before, QPoint(-4, 6));
}

TEST(HandleTargetsOnScreen, whereTwoTargetsOverlapTheNearestHandleTellsItsHint) {
    ShownMainWindow window;
    Treframain& m = window.model;
    // The middle handle put 8 pixels right of the aim.
    m.mid1.left = m.ssh1.left + 8;
    m.mid1.top = m.ssh1.top;
    window.view.sync();
    HandleWidget* aimWidget = window.view.handleFor(m.ssh1);
    window.hover(window.at(aimWidget, {5, 2}));
    EXPECT_EQ(window.view.hintLine()->text(), QString::fromStdString(hints::aimHandle()));
    window.hover(window.at(aimWidget, {7, 2}));
    EXPECT_EQ(window.view.hintLine()->text(), QString::fromStdString(hints::middleHandle()));
}

TEST(HandleTargetsOnScreen, thePointerIsAnOpenHandOverAHandleAndAClosedOneWhileItIsDragged) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* source = window.view.handleFor(m.dsh1);
    PictureWidget* bench = window.view.benchPicture();
    for (const Shape* shape : {&m.dsh1, &m.ssh1, &m.mid1, &m.centerg}) {
        EXPECT_EQ(window.view.handleFor(*shape)->cursor().shape(), Qt::OpenHandCursor);
    }

    const QPoint inTarget = window.at(source, {10, 2});
    window.hover(inTarget);
    EXPECT_EQ(bench->cursor().shape(), Qt::OpenHandCursor);
    EXPECT_EQ(window.view.hintLine()->text(), QString::fromStdString(hints::sourceHandle()));
    window.press(inTarget);
    EXPECT_EQ(bench->cursor().shape(), Qt::ClosedHandCursor);
    window.drag(inTarget + QPoint(0, 20));
    EXPECT_EQ(bench->cursor().shape(), Qt::ClosedHandCursor);
    window.release(inTarget + QPoint(0, 20));
    EXPECT_EQ(bench->cursor().shape(), Qt::OpenHandCursor);
    window.hover(window.at(source, {60, 60}));
    EXPECT_EQ(bench->cursor().shape(), Qt::ArrowCursor);

    const QPoint onShape = window.at(source, {2, 2});
    window.press(onShape);
    EXPECT_EQ(source->cursor().shape(), Qt::ClosedHandCursor);
    window.release(onShape);
    EXPECT_EQ(source->cursor().shape(), Qt::OpenHandCursor);
}

// Assistive technology places a handle, by its name, where the pointer can take it.
TEST(HandleTargetsOnScreen, assistiveTechnologyPlacesAHandleOverItsTarget) {
    ShownMainWindow window;
    HandleWidget* aim = window.view.handleFor(window.model.ssh1);
    QAccessibleInterface* handle = QAccessible::queryAccessibleInterface(aim);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->rect(), QRect(aim->mapToGlobal(QPoint(-10, -10)), QSize(25, 25)));
    EXPECT_EQ(handle->text(QAccessible::Name), aim->accessibleName());
    EXPECT_FALSE(aim->accessibleName().isEmpty());
}

TEST(HandleTargetsOnScreen, aFingerDragsASourceFromBesideIt) {
    ShownMainWindow window;
    Treframain& m = window.model;
    // One touch screen for the whole run: Qt keeps every registered device until it ends.
    static QPointingDevice* finger = QTest::createTouchDevice();
    QWindow* screen = window.view.windowHandle();
    HandleWidget* source = window.view.handleFor(m.dsh1);
    const QPoint before(m.dsh1.left, m.dsh1.top);
    const QPoint beside = window.at(source, {9, 2});

    QTest::touchEvent(screen, finger).press(0, beside, screen);
    EXPECT_TRUE(m.bench.handleHeld);
    QTest::touchEvent(screen, finger).move(0, beside + QPoint(0, 15), screen);
    QTest::touchEvent(screen, finger).release(0, beside + QPoint(0, 15), screen);
    EXPECT_FALSE(m.bench.handleHeld);
    EXPECT_EQ(QPoint(m.dsh1.left, m.dsh1.top) - before, QPoint(0, 15));
}

TEST(HandleTargetsOnScreen, thePracticeTorchIsTakenBesideItsEnd) {
    PracticeOnScreen practice;
    practice.view.show();
    QApplication::processEvents();
    practice.showPage(2);
    Shape& end = practice.model.dsh;
    ASSERT_TRUE(end.visible);
    auto* widget = practice.view.findChild<HandleWidget*>("dsh");
    const QPoint before(end.left, end.top);
    QWindow* screen = practice.view.windowHandle();
    // The torch lies behind its end of the ray, which shines to the right at first.
    ASSERT_GT(practice.model.lsh.left, end.left + 30);
    const QPoint pressed = widget->mapTo(&practice.view, QPoint(-16, 3));
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button,
                          Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, at, screen->mapToGlobal(at), button, buttons, Qt::NoModifier);
        QApplication::sendEvent(screen, &event);
    };
    send(QEvent::MouseButtonPress, pressed, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, pressed + QPoint(0, -7), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, pressed + QPoint(0, -7), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(QPoint(end.left, end.top) - before, QPoint(0, -7));
}

}  // namespace
