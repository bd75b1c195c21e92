// SPDX-License-Identifier: MIT
#include "app/main_window_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

namespace {

struct ShownMainWindow {
    explicit ShownMainWindow(const std::string& executable) {
        platform.executable = executable;
        view.show();
        QApplication::processEvents();
    }
    RecordingPlatform platform;
    Treframain model{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    MainWindowView view{model};

    QAction* menuAction(const QString& menu, const QString& item) {
        for (QAction* top : view.menuBar()->actions()) {
            if (top->text() == menu && top->menu() != nullptr) {
                for (QAction* action : top->menu()->actions()) {
                    if (action->text() == item) {
                        return action;
                    }
                }
            }
        }
        return nullptr;
    }
};

TEST(MainWindowView, opensAt800By600CaptionedByItsEdition) {
    ShownMainWindow lumivex("Lumivex");
    EXPECT_EQ(lumivex.view.windowTitle(), "Lumivex");
    EXPECT_EQ(lumivex.view.size(), QSize(800, 600));
    ShownMainWindow spekvale("Spekvale");
    EXPECT_EQ(spekvale.view.windowTitle(), "Spekvale");
}

TEST(MainWindowView, theMenusShowTheModelsItemsWithShortcuts) {
    ShownMainWindow window("Lumivex");
    QAction* copy = window.menuAction("&Edit", "&Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QAction* grid = window.menuAction("&View", "Show &Grid Lines");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->isChecked());
    QAction* help = window.menuAction("&Help", "H&elp");
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
}

TEST(MainWindowView, aRealMenuClickRunsTheHandlerAndRepaintsTheBench) {
    ShownMainWindow window("Lumivex");
    QAction* grid = window.menuAction("&View", "Show &Grid Lines");
    ASSERT_NE(grid, nullptr);
    const auto& canvas = static_cast<const QtCanvas&>(window.model.planeCanvas());
    const Point onAGridLine{20, window.model.bench.apertureTop + 2};
    EXPECT_EQ(canvas.pixel(onAGridLine.x, onAGridLine.y), colours::grey);

    grid->trigger();
    EXPECT_FALSE(window.model.ShowGridlines1.checked);
    EXPECT_FALSE(grid->isChecked());
    EXPECT_NE(canvas.pixel(onAGridLine.x, onAGridLine.y), colours::grey);
}

TEST(MainWindowView, handlesSitWhereTheModelPutsThem) {
    ShownMainWindow window("Lumivex");
    HandleWidget* centre = window.view.handleFor(window.model.centerg);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->geometry(), QRect(window.model.centerg.left, window.model.centerg.top, 5, 5));
    EXPECT_EQ(window.view.benchPicture()->geometry(), QRect(14, 14, 769, 344));
}

TEST(MainWindowView, theExitItemAsksThePlatformToClose) {
    ShownMainWindow window("Lumivex");
    QAction* exit = nullptr;
    for (QAction* top : window.view.menuBar()->actions()) {
        if (top->text() == "E&xit") {
            exit = top;
        }
    }
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_EQ(window.platform.closeCount, 1);
}

}  // namespace
