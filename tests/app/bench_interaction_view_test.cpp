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
