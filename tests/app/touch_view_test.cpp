// SPDX-License-Identifier: MIT
// A finger on a touch screen does what the mouse does, on the real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPointingDevice>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "support/shown_main_window.h"

namespace {

QPointingDevice* finger() {
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

void tap(ShownMainWindow& window, QPoint at) {
    QWindow* screen = window.view.windowHandle();
    QTest::touchEvent(screen, finger()).press(0, at, screen);
    QTest::touchEvent(screen, finger()).release(0, at, screen);
}

void clickWithTheMouse(ShownMainWindow& window, QPoint at) {
    window.hover(at);
    window.press(at);
    window.release(at);
}

void startMeasuring(ShownMainWindow& window) {
    window.view.findChild<QTabWidget*>()->setCurrentIndex(1);
    for (QCheckBox* box : window.view.findChildren<QCheckBox*>()) {
        if (box->text() == "Measure") {
            box->click();
        }
    }
}

QString readingOf(const ShownMainWindow& window) {
    return QString::fromStdString(window.model.anslb.caption);
}

TEST(TouchView, twoTapsOnTheBenchMeasureWhatTwoClicksMeasure) {
    ShownMainWindow byMouse;
    ShownMainWindow byFinger;
    for (ShownMainWindow* window : {&byMouse, &byFinger}) {
        startMeasuring(*window);
    }
    const PictureWidget* bench = byMouse.view.benchPicture();
    const QPoint from = byMouse.at(bench, {150, 120});
    const QPoint to = byMouse.at(bench, {390, 200});
    clickWithTheMouse(byMouse, from);
    clickWithTheMouse(byMouse, to);
    tap(byFinger, from);
    tap(byFinger, to);
    EXPECT_NE(readingOf(byMouse), "Distance = 0.0");
    EXPECT_EQ(readingOf(byFinger), readingOf(byMouse));
}

QPushButton* resetButtonOf(const ShownMainWindow& window) {
    for (QPushButton* button : window.view.findChildren<QPushButton*>()) {
        if (button->text() == "&Reset") {
            return button;
        }
    }
    return nullptr;
}

// Reset puts the zoom back to unity, wherever it was.
TEST(TouchView, aTapPressesAButtonAsAClickDoes) {
    ShownMainWindow byClick;
    ShownMainWindow byFinger;
    for (ShownMainWindow* window : {&byClick, &byFinger}) {
        window->model.scalesb.setPosition(30);
        window->view.sync();
    }
    QPushButton* reset = resetButtonOf(byFinger);
    ASSERT_NE(reset, nullptr);
    resetButtonOf(byClick)->click();
    tap(byFinger, byFinger.at(reset, {10, 10}));
    EXPECT_NE(byClick.model.scalesb.position(), 30);
    EXPECT_EQ(byFinger.model.scalesb.position(), byClick.model.scalesb.position());
}

}  // namespace
