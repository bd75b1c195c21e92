// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QWindow>

#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/shown_main_window.h"

namespace {

TEST(BenchView, aSourceHandleDraggedWithTheMouseMovesAndRetracesTheBench) {
    ShownMainWindow window;
    Treframain& m = window.model;
    HandleWidget* source = window.view.handleFor(m.dsh1);
    ASSERT_NE(source, nullptr);
    const QPoint grip = window.at(source, {2, 2});
    const int left = m.dsh1.left;
    const int top = m.dsh1.top;
    const QImage before = window.benchImage();

    window.press(grip);
    EXPECT_TRUE(m.bench.handleHeld);
    window.drag(grip + QPoint(40, -30));
    // The mouse was 2 pixels into the handle; a dragged source keeps it 3 pixels in.
    EXPECT_EQ(m.dsh1.left, left + 39);
    EXPECT_EQ(m.dsh1.top, top - 31);
    // Far from the handle, over the bench picture, the handle still has the mouse.
    window.drag(grip + QPoint(-60, 100));
    EXPECT_EQ(m.dsh1.left, left - 61);
    EXPECT_EQ(m.dsh1.top, top + 99);
    EXPECT_EQ(source->geometry(), QRect(m.dsh1.left, m.dsh1.top, 5, 5));
    EXPECT_NE(window.benchImage(), before);

    window.release(grip + QPoint(-60, 100));
    EXPECT_FALSE(m.bench.handleHeld);
    // Moves without a button only tell what the handle does.
    window.hover(window.at(source, {2, 2}));
    EXPECT_EQ(m.dsh1.left, left - 61);
    EXPECT_EQ(window.view.hintLine()->text(), "Drag to change angle of incident ray.");
}

TEST(BenchView, theMeasureCheckBoxGivesTheBenchACrossHairAndAReading) {
    ShownMainWindow window;
    Treframain& m = window.model;
    // The experiment at start shows the device page: the student turns to "Measurement".
    QTabWidget* notebook = window.view.findChild<QTabWidget*>();
    ASSERT_NE(notebook, nullptr);
    notebook->setCurrentIndex(1);
    EXPECT_EQ(m.taboptions.pageIndex(), 1);
    QCheckBox* measure = nullptr;
    for (QCheckBox* box : window.view.findChildren<QCheckBox*>()) {
        if (box->text() == "Measure") {
            measure = box;
        }
    }
    ASSERT_NE(measure, nullptr);
    measure->click();
    EXPECT_TRUE(m.domeasurecb.checked());
    EXPECT_FALSE(window.view.handleFor(m.ssh1)->isVisible());
    EXPECT_FALSE(window.view.handleFor(m.dsh1)->isVisible());

    PictureWidget* bench = window.view.benchPicture();
    window.hover(window.at(bench, {200, 100}));
    EXPECT_EQ(bench->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(window.view.hintLine()->text(),
              "Move mouse and click where you want to start your measurement.");
    QLabel* reading = nullptr;
    for (QLabel* label : window.view.findChildren<QLabel*>()) {
        if (label->text() == "Distance = 0.0") {
            reading = label;
        }
    }
    ASSERT_NE(reading, nullptr);
    EXPECT_TRUE(reading->isVisible());

    measure->click();
    window.hover(window.at(bench, {200, 100}));
    EXPECT_EQ(bench->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(window.view.handleFor(m.ssh1)->isVisible());
    EXPECT_EQ(window.view.hintLine()->text(),
              "Right click to copy image.  See Menus to change what is displayed");
}

// Turns measuring on through the real check box on the "Measurement" page.
void startMeasuring(ShownMainWindow& window) {
    window.view.findChild<QTabWidget*>()->setCurrentIndex(1);
    for (QCheckBox* box : window.view.findChildren<QCheckBox*>()) {
        if (box->text() == "Measure") {
            box->click();
        }
    }
    ASSERT_TRUE(window.model.domeasurecb.checked());
}

TEST(BenchView, theMeasuringToolFollowsThePointerOffThePictureInThePicturesCoordinates) {
    ShownMainWindow window;
    startMeasuring(window);
    PictureWidget* bench = window.view.benchPicture();
    // Bench-picture coordinates of the pointer: the picture is 769 x 344, inside a panel
    // whose frame and bevel are 14 pixels wide, in the blue frame of the window.
    const struct {
        const char* where;
        QPoint onPicture;
    } pointers[] = {
        {"on the picture", {200, 100}},
        {"on its top row", {200, 0}},
        {"one pixel above it, on the panel's frame", {200, -1}},
        {"on the panel's outer edge", {200, -14}},
        {"on the window's frame above the panel", {200, -17}},
        {"left of it", {-1, 100}},
        {"right of it", {769, 100}},
        {"below it", {200, 344}},
        {"on the window's frame below the panel", {200, 360}},
    };
    for (const auto& pointer : pointers) {
        window.hover(window.at(bench, pointer.onPicture));
        // Before a click the tool's origin is the pointer.
        EXPECT_EQ(window.model.measuring.origin().x, pointer.onPicture.x()) << pointer.where;
        EXPECT_EQ(window.model.measuring.origin().y, pointer.onPicture.y()) << pointer.where;
    }
}

TEST(BenchView, aLengthReadingChangesSmoothlyAcrossThePicturesEdge) {
    ShownMainWindow window;
    startMeasuring(window);
    PictureWidget* bench = window.view.benchPicture();
    const QPoint origin = window.at(bench, {200, 300});
    window.hover(origin);
    window.press(origin);
    window.release(origin);
    // At zoom 10/12 one unit of length is 14.33 pixels: 300 pixels read 20.93, 301 read
    // 21.00. (Read as the frame's own coordinates, (214, 13), the second was 20.0.)
    window.hover(window.at(bench, {200, 0}));
    EXPECT_EQ(window.model.anslb.caption, "Distance = 20.9");
    window.hover(window.at(bench, {200, -1}));
    EXPECT_EQ(window.model.anslb.caption, "Distance = 21.0");
}

TEST(BenchView, autoHideGrowsTheBenchAndSlidesTheGroupAwayFromTheMouse) {
    ShownMainWindow window;
    QAction* on = window.menuAction("On");
    QAction* off = window.menuAction("Off");
    ASSERT_NE(on, nullptr);
    ASSERT_NE(off, nullptr);
    QWidget* group = window.view.optionsGroup();

    on->trigger();
    PictureWidget* bench = window.view.benchPicture();
    EXPECT_EQ(bench->geometry(), QRect(14, 14, 769, 495));
    window.hover(window.at(bench, {300, 300}));
    EXPECT_EQ(group->y(), 532);
    window.hover(window.at(group, {60, 10}));
    EXPECT_EQ(group->y(), 385);

    off->trigger();
    EXPECT_EQ(bench->geometry(), QRect(14, 14, 769, 344));
    window.hover(window.at(bench, {300, 300}));
    EXPECT_EQ(group->y(), 385);
}

TEST(BenchView, theFrameSitsCentredAboveTheHintLine) {
    ShownMainWindow window;
    const QWidget* client = window.view.centralWidget();
    const QWidget* frame = window.view.frame();
    EXPECT_GE(client->height(), 553);
    EXPECT_EQ(frame->geometry(), QRect(0, (client->height() - 553) / 2, 801, 553));
    EXPECT_TRUE(window.view.hintLine()->isVisible());
    EXPECT_GE(window.view.hintLine()->mapTo(&window.view, QPoint(0, 0)).y(),
              client->mapTo(&window.view, QPoint(0, client->height())).y());
}

}  // namespace
