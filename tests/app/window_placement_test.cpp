// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <memory>
#include <ostream>

#include "app/about_view.h"
#include "app/practice_view.h"
#include "app/whoami_view.h"
#include "app/window_look.h"
#include "canvas/qt_canvas.h"
#include "output/twhoami.h"
#include "practice/tprofrm.h"
#include "shell/information_dialog.h"
#include "support/recording_platform.h"
#include "support/sequence_random.h"
#include "support/shown_main_window.h"

// Points in a failure's message, rather than their bytes.
void PrintTo(const QPoint& point, std::ostream* out) {
    *out << "(" << point.x() << ", " << point.y() << ")";
}

namespace {

struct PlacementCase {
    const char* what;
    QRect available;
    QSize frame;
    QPoint preferred;
    QPoint placed;
};

// The main window's frame is 800 x 600; the model centres it on the whole screen.
const PlacementCase kPlacements[] = {
    {"fits where the model centres it", {0, 0, 1280, 1024}, {800, 600}, {240, 212}, {240, 212}},
    {"640 x 480: larger both ways, opens at the top-left",
     {0, 0, 640, 480},
     {800, 600},
     {-80, -60},
     {0, 0}},
    {"too tall only: opens at the top-left too", {0, 0, 1024, 480}, {800, 600}, {112, -60}, {0, 0}},
    {"too wide only: opens at the top-left too", {0, 0, 640, 768}, {800, 600}, {-80, 84}, {0, 0}},
    {"a top panel pushes the title bar down below it",
     {0, 32, 1280, 608},
     {800, 600},
     {240, 20},
     {240, 32}},
    {"panels on two sides of a small screen: the free area's corner",
     {48, 32, 592, 448},
     {800, 600},
     {-80, -60},
     {48, 32}},
    {"past the right and bottom edges: pulled back inside",
     {0, 0, 1280, 1024},
     {800, 600},
     {600, 500},
     {480, 424}},
    {"a second screen to the right of the first",
     {1280, 0, 1024, 768},
     {425, 447},
     {0, 0},
     {1280, 0}},
    {"no free area at all: its corner", {0, 0, 0, 0}, {800, 600}, {240, 212}, {0, 0}},
};

TEST(WindowPlacement, theFrameLiesInTheFreeAreaWithItsTopLeftCornerAlwaysInside) {
    for (const PlacementCase& c : kPlacements) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(look::placedFrameTopLeft(c.available, c.frame, c.preferred), c.placed);
    }
}

QRect availableArea(const QWidget& window) {
    return window.screen()->availableGeometry();
}

// The offscreen screen is 800 x 600, the main window's own size; the model, told of a
// 640 x 480 screen, puts it 80 pixels left of and 60 above the screen's corner.
TEST(WindowPlacementOnScreen, theMainWindowCentredOffASmallScreenOpensAtTheFreeAreasCorner) {
    ShownMainWindow window("Lumivex", ScreenSize{640, 480});
    ASSERT_EQ(window.model.form.left, -80);
    ASSERT_EQ(window.model.form.top, -60);
    const QRect available = availableArea(window.view);
    EXPECT_EQ(window.view.frameGeometry().topLeft(), available.topLeft());
    const QMenuBar* menuBar = window.view.menuBar();
    for (QAction* menu : menuBar->actions()) {
        if (menu->isVisible()) {
            const QRect item = menuBar->actionGeometry(menu);
            const QRect onScreen(menuBar->mapToGlobal(item.topLeft()), item.size());
            EXPECT_TRUE(available.contains(onScreen)) << menu->text().toStdString();
        }
    }
}

TEST(WindowPlacementOnScreen, theDialogsOpenInTheMiddleOfTheFreeArea) {
    RecordingPlatform platform;
    SequenceRandom random{{0.5}};
    TProfrm practiceModel{platform, random, [](int width, int height) {
                              return std::make_unique<QtCanvas>(width, height);
                          }};
    TWhoami whoamiModel;
    InformationDialog aboutModel;
    PracticeView practice(practiceModel);
    WhoamiView whoami(whoamiModel, nullptr);
    AboutView about(aboutModel, nullptr);
    for (QDialog* dialog : {static_cast<QDialog*>(&practice), static_cast<QDialog*>(&whoami),
                            static_cast<QDialog*>(&about)}) {
        dialog->show();
        const QRect available = availableArea(*dialog);
        const QRect frame = dialog->frameGeometry();
        EXPECT_TRUE(available.contains(frame)) << dialog->windowTitle().toStdString();
        EXPECT_LE((frame.center() - available.center()).manhattanLength(), 1)
            << dialog->windowTitle().toStdString();
        dialog->hide();
    }
}

}  // namespace
