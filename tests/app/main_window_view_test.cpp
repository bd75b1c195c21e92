// SPDX-License-Identifier: MIT
#include "app/main_window_view.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/shown_main_window.h"

namespace {

TEST(MainWindowView, opensAt800By600CaptionedByItsEdition) {
    ShownMainWindow lumivex("Lumivex");
    EXPECT_EQ(lumivex.view.windowTitle(), "Lumivex");
    EXPECT_EQ(lumivex.view.size(), QSize(800, 600));
    ShownMainWindow spekvale("Spekvale");
    EXPECT_EQ(spekvale.view.windowTitle(), "Spekvale");
}

TEST(MainWindowView, theMenusShowTheModelsItemsWithShortcuts) {
    ShownMainWindow window("Lumivex");
    QAction* copy = window.menuAction("&Copy");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
    QAction* grid = window.menuAction("Show &Grid Lines");
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->isChecked());
    QAction* help = window.menuAction("H&elp");
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
}

TEST(MainWindowView, aRealMenuClickRunsTheHandlerAndRepaintsTheBench) {
    ShownMainWindow window("Lumivex");
    QAction* grid = window.menuAction("Show &Grid Lines");
    ASSERT_NE(grid, nullptr);
    const auto& canvas = static_cast<const QtCanvas&>(window.model.planeCanvas());
    const Point onAGridLine{20, window.model.bench.apertureTop + 2};
    EXPECT_EQ(canvas.pixel(onAGridLine.x, onAGridLine.y), colours::grey);

    grid->trigger();
    EXPECT_FALSE(window.model.ShowGridlines1.checked);
    EXPECT_FALSE(grid->isChecked());
    EXPECT_NE(canvas.pixel(onAGridLine.x, onAGridLine.y), colours::grey);
}

TEST(MainWindowView, theViewMenusSwitchesAreEachReachedByTheirOwnLetter) {
    for (const char* edition : {"Lumivex", "Spekvale"}) {
        ShownMainWindow window(edition);
        QAction* view = window.menuAction("&View");
        ASSERT_NE(view, nullptr);
        QSet<QChar> letters;
        for (const QAction* item : view->menu()->actions()) {
            const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
            if (!item->isVisible() || item->isSeparator() || amp < 0) {
                continue;
            }
            const QChar letter = item->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << edition << ": " << item->text().toStdString();
            letters.insert(letter);
        }
        // The teaching aids, off at start; only glass follows a ray
        // through itself.
        for (const char* caption : {"Show F&ocal Points", "Show Ray &Directions"}) {
            QAction* aid = window.menuAction(QString::fromLatin1(caption));
            ASSERT_NE(aid, nullptr) << caption;
            EXPECT_TRUE(aid->isVisible()) << caption;
            EXPECT_FALSE(aid->isChecked()) << caption;
        }
        QAction* follow = window.menuAction("&Follow Internal Reflections");
        ASSERT_NE(follow, nullptr);
        EXPECT_EQ(follow->isVisible(), std::string(edition) == "Lumivex");
    }
}

TEST(MainWindowView, aRealClickOnShowFocalPointsMarksThemOnTheBench) {
    ShownMainWindow window("Lumivex");
    QAction* focal = window.menuAction("Show F&ocal Points");
    ASSERT_NE(focal, nullptr);
    const QImage before = window.benchImage();
    focal->trigger();
    EXPECT_TRUE(window.model.ShowFocalPoints1.checked);
    EXPECT_TRUE(focal->isChecked());
    EXPECT_NE(window.benchImage(), before);
    focal->trigger();
    EXPECT_EQ(window.benchImage(), before);
}

TEST(MainWindowView, handlesSitWhereTheModelPutsThem) {
    ShownMainWindow window("Lumivex");
    HandleWidget* centre = window.view.handleFor(window.model.centerg);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->geometry(), QRect(window.model.centerg.left, window.model.centerg.top, 5, 5));
    EXPECT_EQ(window.view.benchPicture()->geometry(), QRect(14, 14, 769, 344));
}

// '#' outline, '-' fill, '.' the bench picture showing through.
TEST(MainWindowView, eachHandleShowsItsOutlineAndFillOverTheBench) {
    ShownMainWindow window("Lumivex");
    Treframain& m = window.model;
    struct Look {
        const Shape* handle;
        std::array<const char*, 5> rows;
        QRgb outline;
        std::optional<QRgb> fill;  // none: the picture shows through
    };
    const Look looks[] = {
        {&m.dsh1, {".###.", "#---#", "#---#", "#---#", ".###."}, qRgb(0, 0, 0), qRgb(255, 255, 0)},
        {&m.ssh1, {".###.", "#---#", "#---#", "#---#", ".###."}, qRgb(0, 0, 0), std::nullopt},
        {&m.mid1,
         {"#####", "#---#", "#---#", "#---#", "#####"},
         qRgb(0, 0, 0),
         qRgb(255, 255, 255)},
        {&m.centerg,
         {"#####", "#---#", "#---#", "#---#", "#####"},
         qRgb(255, 0, 0),
         qRgb(255, 255, 255)},
    };
    QWidget* panel = window.view.benchPicture()->parentWidget();
    const QImage shown = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage bench = window.benchImage();
    const QPoint picture = window.view.benchPicture()->pos();
    for (const Look& look : looks) {
        const QPoint corner = window.view.handleFor(*look.handle)->pos();
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const QPoint at = corner + QPoint(x, y);
                const char cell = look.rows[static_cast<std::size_t>(y)][x];
                const QRgb beneath = bench.pixel(at - picture);
                const QRgb expected = cell == '#'
                                          ? look.outline
                                          : (cell == '-' ? look.fill.value_or(beneath) : beneath);
                EXPECT_EQ(shown.pixel(at), expected) << look.rows[0] << " at " << x << "," << y;
            }
        }
    }
}

TEST(MainWindowView, theExitItemAsksThePlatformToClose) {
    ShownMainWindow window("Lumivex");
    QAction* exit = window.menuAction("E&xit");
    ASSERT_NE(exit, nullptr);
    exit->trigger();
    EXPECT_EQ(window.platform.closeCount, 1);
}

// main() gives each edition its window icon from the compiled-in resources.
TEST(ProgramResources, bothEditionsWindowIconsAreCompiledIn) {
    for (const char* icon : {":/lumivex.png", ":/spekvale.png"}) {
        EXPECT_FALSE(QImage(QString::fromLatin1(icon)).isNull()) << icon;
    }
}

}  // namespace
