// SPDX-License-Identifier: MIT
// The bench and the practice window from the keyboard, through the real widgets: Tab to a
// handle, the arrow keys drag it as the mouse would, the keys drive the measuring tools,
// and every handle carries a name and a description for assistive technology.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <memory>

#include "app/practice_view.h"
#include "canvas/qt_canvas.h"
#include "interaction/hints.h"
#include "practice/tprofrm.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

void key(QWidget* target, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
         int times = 1) {
    for (int i = 0; i < times; ++i) {
        QKeyEvent press(QEvent::KeyPress, code, modifiers);
        QApplication::sendEvent(target, &press);
    }
}

// The window focused on one of its widgets, as Tab or a click would leave it.
void focusOn(ShownMainWindow& window, QWidget* widget) {
    window.view.activateWindow();
    QApplication::setActiveWindow(&window.view);
    widget->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

TEST(KeyboardBench, tabWalksTheHandlesAfterTheOtherControlsThenTheBench) {
    ShownMainWindow window;
    Treframain& m = window.model;
    m.N33.click();  // three sources, so that every handle shows
    window.view.sync();
    QWidget* last = nullptr;
    for (QRadioButton* radio : window.view.findChildren<QRadioButton*>()) {
        if (radio->text() == " Three") {
            last = radio;
        }
    }
    ASSERT_NE(last, nullptr);
    const Shape* order[] = {&m.dsh1, &m.ssh1, &m.mid1, &m.dsh2, &m.ssh2,
                            &m.mid2, &m.dsh3, &m.ssh3, &m.mid3, &m.centerg};
    QWidget* at = last;
    for (const Shape* shape : order) {
        at = at->nextInFocusChain();
        while (!(at->focusPolicy() & Qt::TabFocus) || !at->isVisibleTo(&window.view)) {
            at = at->nextInFocusChain();
        }
        EXPECT_EQ(at, window.view.handleFor(*shape));
    }
    at = at->nextInFocusChain();
    EXPECT_EQ(at, window.view.benchPicture());
    // A click on a handle takes no focus: the mouse works as it always has.
    EXPECT_EQ(window.view.handleFor(m.dsh1)->focusPolicy(), Qt::TabFocus);
}

TEST(KeyboardBench, theWindowOpensWithTheFocusOnItsOwnControlsNotOnAHandle) {
    ShownMainWindow window;
    window.view.activateWindow();
    QApplication::setActiveWindow(&window.view);
    QApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    for (const Shape* shape : {&window.model.dsh1, &window.model.ssh1, &window.model.centerg}) {
        EXPECT_NE(focused, window.view.handleFor(*shape));
    }
    EXPECT_NE(focused, window.view.benchPicture());
}

TEST(KeyboardBench, theArrowKeysMoveASourceAsTheSameDragWould) {
    ShownMainWindow byMouse;
    HandleWidget* dragged = byMouse.view.handleFor(byMouse.model.dsh1);
    const QPoint grip = byMouse.at(dragged, {3, 3});
    byMouse.press(grip);
    byMouse.drag(grip + QPoint(40, -30));
    byMouse.release(grip + QPoint(40, -30));

    ShownMainWindow byKeys;
    HandleWidget* keyed = byKeys.view.handleFor(byKeys.model.dsh1);
    focusOn(byKeys, keyed);
    const int left = byKeys.model.dsh1.left;
    key(keyed, Qt::Key_Right, Qt::ShiftModifier, 4);
    key(keyed, Qt::Key_Up, Qt::ShiftModifier, 2);
    key(keyed, Qt::Key_Up, Qt::NoModifier, 10);

    EXPECT_EQ(byKeys.model.dsh1.left, left + 40);
    EXPECT_EQ(byKeys.model.dsh1.left, byMouse.model.dsh1.left);
    EXPECT_EQ(byKeys.model.dsh1.top, byMouse.model.dsh1.top);
    EXPECT_EQ(byKeys.model.ianglelb.caption, byMouse.model.ianglelb.caption);
    EXPECT_EQ(byKeys.benchImage(), byMouse.benchImage());
    EXPECT_EQ(byKeys.view.hintLine()->text(), QString::fromUtf8(hints::sourceHandle()));
}

TEST(KeyboardBench, aClampHoldsForKeysAsForTheMouse) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* source = window.view.handleFor(m.dsh1);
    focusOn(window, source);
    key(source, Qt::Key_Right, Qt::ShiftModifier, 60);
    EXPECT_EQ(m.dsh1.left, m.bench.deviceLeftX - 5);
    // An aim handle keeps to the device's face, inside the aperture, and ignores sideways.
    HandleWidget* aim = window.view.handleFor(m.ssh1);
    focusOn(window, aim);
    const int aimLeft = m.ssh1.left;
    key(aim, Qt::Key_Left, Qt::ShiftModifier, 5);
    EXPECT_EQ(m.ssh1.left, aimLeft);
    key(aim, Qt::Key_Up, Qt::ShiftModifier, 60);
    EXPECT_EQ(m.ssh1.top, m.planeim.top + m.bench.deviceOffsetY + m.bench.apertureTop + 1);
}

TEST(KeyboardBench, aLengthIsReadWithTheKeysAlone) {
    ShownMainWindow window;
    Treframain& m = window.model;
    // Start on the aim point, then switch measuring on.
    focusOn(window, window.view.handleFor(m.ssh1));
    const Point aim = m.benchCentre(m.ssh1);
    m.domeasurecb.setChecked(true);
    window.view.sync();
    PictureWidget* bench = window.view.benchPicture();
    focusOn(window, bench);

    key(bench, Qt::Key_Home);
    EXPECT_EQ(m.keyPointer.placed().value_or(Point{}).x, aim.x);
    EXPECT_EQ(m.keyPointer.placed().value_or(Point{}).y, aim.y);
    key(bench, Qt::Key_Return);  // the ruler's zero end
    // At zoom 10/12 ten units are 143.3 pixels.
    key(bench, Qt::Key_Left, Qt::ShiftModifier, 14);
    key(bench, Qt::Key_Left, Qt::NoModifier, 3);
    key(bench, Qt::Key_Return);
    EXPECT_EQ(m.anslb.caption, "Distance = 10.0");
    EXPECT_EQ(m.measuring.phase(), 2);
}

TEST(KeyboardBench, handlesAreNamedAndDescribedAndTheNamesFollowTheRay) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* source = window.view.handleFor(m.dsh1);
    EXPECT_EQ(source->accessibleName(), "Source 1, angle of incidence 6.6 degrees");
    EXPECT_EQ(source->accessibleDescription(), QString::fromUtf8(hints::sourceHandle()));
    EXPECT_EQ(window.view.handleFor(m.ssh1)->accessibleName(), "Aim point of source 1");
    EXPECT_EQ(window.view.handleFor(m.mid1)->accessibleName(), "Middle of the ray of source 1");
    EXPECT_EQ(window.view.handleFor(m.centerg)->accessibleName(), "Centre of the device");
    EXPECT_EQ(window.view.benchPicture()->accessibleName(), "Bench");
    // As a screen reader sees them, through the accessibility tree.
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(source);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->text(QAccessible::Name), source->accessibleName());
    EXPECT_EQ(seen->text(QAccessible::Description), QString::fromUtf8(hints::sourceHandle()));

    focusOn(window, source);
    key(source, Qt::Key_Down, Qt::ShiftModifier, 5);
    const QString readOut = QString::fromStdString(m.ianglelb.caption);
    const QString number = readOut.section(' ', -2, -2);  // "Angle of Incidence is 30.0 ..."
    EXPECT_EQ(source->accessibleName(), "Source 1, angle of incidence " + number + " degrees");
}

TEST(KeyboardBench, theFocusMarkRingsTheFocusedHandleAndNeverHidesTheRay) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* aim = window.view.handleFor(m.ssh1);
    focusOn(window, aim);
    QWidget* panel = aim->parentWidget();
    QWidget* mark = nullptr;
    for (QWidget* child : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry() == aim->geometry().adjusted(-3, -3, 3, 3)) {
            mark = child;
        }
    }
    ASSERT_NE(mark, nullptr);

    // Where the horizontal ray crosses the ring, the panel shows the ray's own pixels.
    const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bench = window.benchImage();
    const QPoint picture = window.view.benchPicture()->pos();
    int rayPixels = 0;
    for (int y = mark->y(); y < mark->y() + mark->height(); ++y) {
        for (int x = mark->x(); x < mark->x() + mark->width(); ++x) {
            const QPoint onBench = QPoint(x, y) - picture;
            if (bench.pixel(onBench) == toQRgb(m.bench.sourceColour) &&
                !aim->geometry().contains(x, y)) {
                ++rayPixels;
                EXPECT_EQ(shown.pixel(x, y), bench.pixel(onBench)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(rayPixels, 0);

    // The bench picture is ringed in the panel's border; the window's other controls show
    // their own focus.
    focusOn(window, window.view.benchPicture());
    EXPECT_EQ(mark->geometry(), window.view.benchPicture()->geometry().adjusted(-3, -3, 3, 3));
    QWidget* reset = nullptr;
    for (QPushButton* button : window.view.findChildren<QPushButton*>()) {
        reset = button->text() == "&Reset" ? button : reset;
    }
    ASSERT_NE(reset, nullptr);
    focusOn(window, reset);
    EXPECT_FALSE(mark->isVisible());
}

TEST(KeyboardBench, windowsCloseCleanlyWithTheFocusOnAHandle) {
    // Taking the widgets down hands the focus on from one to the next; nothing the focus
    // handlers reach may be gone by then.
    for (int round = 0; round < 2; ++round) {
        auto window = std::make_unique<ShownMainWindow>();
        focusOn(*window, window->view.handleFor(window->model.ssh1));
        window.reset();
    }
    SUCCEED();
}

TEST(KeyboardPractice, theWindowClosesCleanlyWithTheFocusOnItsPicture) {
    auto practice = std::make_unique<PracticeOnScreen>();
    practice->focusOn(practice->widget<QWidget>("proim"));
    practice.reset();
    SUCCEED();
}

TEST(KeyboardPractice, tabStopsOnceInEachGroupOfRadioButtonsAndEachGroupKeepsItsChoice) {
    PracticeOnScreen practice;
    practice.focusOn(*practice.widget<QTabWidget>("practicenb").tabBar());
    QStringList stops;
    for (QWidget* at = QApplication::focusWidget(); at->objectName() != "Checkbt";
         at = QApplication::focusWidget()) {
        if (qobject_cast<QRadioButton*>(at) != nullptr) {
            stops << at->objectName();
        }
        ASSERT_LT(stops.size(), 5) << "Tab never reached the Check button";
        key(at, Qt::Key_Tab);
    }
    // "Find the angle" and "The angle is" are two groups, though one lies inside the other's
    // page: each is a stop, at its checked button.
    EXPECT_EQ(stops, QStringList({"linerb", "Ang1rb"}));

    practice.widget<QRadioButton>("Normalrb").click();
    EXPECT_TRUE(practice.model.Normalrb.checked());
    EXPECT_TRUE(practice.model.Ang1rb.checked());
    EXPECT_TRUE(practice.widget<QRadioButton>("Ang1rb").isChecked());
    EXPECT_FALSE(practice.widget<QRadioButton>("linerb").isChecked());
}

TEST(KeyboardPractice, theArrowKeysDragTheRaysHandlesAndTheToolClicksOnSpace) {
    PracticeOnScreen practice;
    practice.view.show();  // showing the window opens it on the protractor page
    practice.showPage(2);
    QWidget* direction = &practice.widget<QWidget>("dsh");
    practice.focusOn(*direction);
    const int left = practice.model.dsh.left;
    const int top = practice.model.dsh.top;
    key(direction, Qt::Key_Up, Qt::ShiftModifier);
    key(direction, Qt::Key_Left);
    EXPECT_EQ(practice.model.dsh.top, top - 10);
    EXPECT_EQ(practice.model.dsh.left, left - 1);
    EXPECT_EQ(practice.model.msh.top, (practice.model.dsh.top + practice.model.lsh.top) / 2);
    EXPECT_TRUE(direction->accessibleName().startsWith("Torch end of the ray, at "));
    EXPECT_EQ(practice.widget<QLabel>("hintlb").text(),
              QString::fromUtf8("Adjust the ray\u00B4s angle of incidence."));

    // On the ruler page the picture's keys place the ruler: Home on the figure, Space
    // fixes its zero end, the arrows turn it, Space fixes it.
    practice.showPage(1);
    QWidget* picture = &practice.widget<QWidget>("proim");
    practice.focusOn(*picture);
    key(picture, Qt::Key_Home);
    key(picture, Qt::Key_Space);
    EXPECT_EQ(practice.model.tool.state, 1);
    key(picture, Qt::Key_Right, Qt::ShiftModifier, 5);
    EXPECT_EQ(practice.widget<QLabel>("anallb").text(), "Distance: 50.0");
    key(picture, Qt::Key_Space);
    EXPECT_EQ(practice.model.tool.state, 2);
}

}  // namespace
