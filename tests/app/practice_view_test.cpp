// SPDX-License-Identifier: MIT
#include "app/practice_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <memory>

#include "canvas/qt_canvas.h"
#include "practice/tprofrm.h"
#include "support/practice_on_screen.h"
#include "support/recording_platform.h"
#include "support/sequence_random.h"

namespace {

void sendMouse(QWidget& target, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

void drag(QWidget& handle, QPoint by) {
    sendMouse(handle, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton);
    sendMouse(handle, QEvent::MouseMove, by, Qt::LeftButton);
    sendMouse(handle, QEvent::MouseButtonRelease, by, Qt::NoButton);
}

TEST(PracticeView, buildsItselfFromTheModelsLayout) {
    PracticeOnScreen practice;
    EXPECT_EQ(practice.view.windowTitle(), "Measurement Practice");
    EXPECT_EQ(practice.view.size(), QSize(425, 447));
    EXPECT_EQ(practice.widget<QWidget>("proim").geometry(), QRect(6, 6, 397, 245));
    EXPECT_EQ(practice.widget<QPushButton>("Checkbt").geometry(), QRect(24, 115, 89, 33));
    EXPECT_TRUE(practice.widget<QPushButton>("Checkbt").isDefault());
    EXPECT_FALSE(practice.widget<QPushButton>("Checkbt").icon().isNull());
    const QTabWidget& notebook = practice.widget<QTabWidget>("practicenb");
    ASSERT_EQ(notebook.count(), 3);
    EXPECT_EQ(notebook.tabText(2), "&Ray Movement");
    EXPECT_EQ(practice.widget<QRadioButton>("ang2rb").text(), QString::fromUtf8(" 180.0\u00B0"));
    EXPECT_TRUE(practice.widget<QRadioButton>("linerb").isChecked());
}

TEST(PracticeView, showingTheWindowActivatesItOnTheProtractorPage) {
    PracticeOnScreen practice;
    practice.model.practicenb.setPageIndex(1);
    practice.view.sync();
    practice.view.show();
    EXPECT_EQ(practice.model.practicenb.pageIndex(), 0);
    EXPECT_EQ(practice.widget<QTabWidget>("practicenb").currentIndex(), 0);
    practice.view.hide();
}

TEST(PracticeView, buttonsAndRadioButtonsRunTheirHandlers) {
    PracticeOnScreen practice;
    const auto draws = practice.random.drawsTaken();
    practice.widget<QPushButton>("nextbt").click();
    EXPECT_EQ(practice.random.drawsTaken(), draws + 2);

    practice.widget<QRadioButton>("ang2rb").click();
    EXPECT_EQ(static_cast<int>(practice.model.protractor.chosenReading), 2);
    EXPECT_TRUE(practice.widget<QRadioButton>("ang2rb").isChecked());
    EXPECT_FALSE(practice.widget<QRadioButton>("Ang1rb").isChecked());

    practice.widget<QRadioButton>("ang2rb").click();  // already checked: stays checked
    EXPECT_TRUE(practice.widget<QRadioButton>("ang2rb").isChecked());

    practice.widget<QPushButton>("Checkbt").click();
    ASSERT_EQ(practice.platform.messages.size(), 1u);
    EXPECT_EQ(practice.platform.messages[0].caption, "Error");
}

TEST(PracticeView, theRayMovementTabShowsTheHandlesWhereTheModelPutThem) {
    PracticeOnScreen practice;
    practice.showPage(2);
    EXPECT_EQ(practice.model.practicenb.pageIndex(), 2);
    const QWidget& hitPoint = practice.widget<QWidget>("lsh");
    EXPECT_FALSE(hitPoint.isHidden());
    EXPECT_EQ(hitPoint.geometry(), QRect(264, 122, 5, 5));
    EXPECT_EQ(practice.widget<QWidget>("dsh").geometry(), QRect(106, 122, 5, 5));
    EXPECT_EQ(practice.widget<QWidget>("proim").cursor().shape(), Qt::ArrowCursor);

    practice.showPage(0);
    EXPECT_TRUE(practice.widget<QWidget>("lsh").isHidden());
    EXPECT_EQ(practice.widget<QWidget>("proim").cursor().shape(), Qt::CrossCursor);
}

TEST(PracticeView, draggingAHandleMovesItInTheModelAndOnScreen) {
    PracticeOnScreen practice;
    practice.showPage(2);
    QWidget& direction = practice.widget<QWidget>("dsh");
    drag(direction, {2, -20});
    EXPECT_EQ(practice.model.dsh.left, 108);
    EXPECT_EQ(practice.model.dsh.top, 102);
    EXPECT_EQ(direction.geometry(), QRect(108, 102, 5, 5));
    EXPECT_EQ(practice.widget<QWidget>("msh").geometry().topLeft(), QPoint(186, 112));
    EXPECT_FALSE(practice.model.rayMovement.handleHeld);
    EXPECT_EQ(practice.widget<QLabel>("hintlb").text(),
              QString::fromUtf8("Adjust the ray\u00B4s angle of incidence."));
}

TEST(PracticeView, theHintLineNamesTheHandleUnderThePointerAndEmptiesOverThePicture) {
    PracticeOnScreen practice;
    practice.showPage(2);
    const std::pair<const char*, const char*> hints[] = {
        {"dsh", "Adjust the ray\u00B4s angle of incidence."},
        {"lsh", "Adjust the point where the ray hits the interface."},
        {"msh", "Adjust the ray\u00B4s position preserving the angle."},
        {"csh", "Adjust to move entire structure."}};
    const QLabel& hintLine = practice.widget<QLabel>("hintlb");
    for (const auto& [handle, hint] : hints) {
        sendMouse(practice.widget<QWidget>(handle), QEvent::MouseMove, {2, 2}, Qt::NoButton);
        EXPECT_EQ(hintLine.text(), QString::fromUtf8(hint)) << handle;
        sendMouse(practice.widget<QWidget>("proim"), QEvent::MouseMove, {20, 20}, Qt::NoButton);
        EXPECT_EQ(hintLine.text(), "") << handle;
    }
}

TEST(PracticeView, thePictureShowsTheCanvasAndReportsTheRuler) {
    PracticeOnScreen practice;
    practice.showPage(1);
    QWidget& picture = practice.widget<QWidget>("proim");
    sendMouse(picture, QEvent::MouseMove, {50, 100}, Qt::NoButton);
    EXPECT_EQ(practice.widget<QLabel>("anallb").text(), "Distance: 20.0");

    const QImage shown = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& drawn = dynamic_cast<const QtCanvas&>(practice.model.picture()).image();
    EXPECT_EQ(shown, drawn);
}

TEST(PracticeView, enterChecksEscapeIsIgnoredAndReturnCloses) {
    PracticeOnScreen practice;
    practice.view.show();
    practice.widget<QRadioButton>("linerb").setFocus();
    for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&practice.view, &press);
    }
    EXPECT_EQ(practice.platform.messages.size(), 1u);
    EXPECT_TRUE(practice.view.isVisible());

    practice.widget<QPushButton>("Returnbt").click();
    EXPECT_FALSE(practice.view.isVisible());
    EXPECT_EQ(practice.view.result(), QDialog::Accepted);
}

}  // namespace
