// SPDX-License-Identifier: MIT
// The windows on screens smaller than they are, as the test program's offscreen platform
// offers them beside its desk screen: each opens inside the free area, title bar and all, and
// scrolls so that every control can be reached; the pictures keep whole pixels.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

#include "app/main_window_view.h"
#include "app/window_look.h"
#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/practice_on_screen.h"
#include "support/recording_platform.h"

namespace {

struct ScreenCase {
    const char* name;
    int scale;
    // Whether the main window, 800 x 600 with its frame around it, is too wide for the screen.
    bool tooWide;
};

const ScreenCase kScreens[] = {
    {"b projector 1920x1080 at 200%", 2, false},
    {"c 1280x1024 at 200%", 2, true},
    {"d netbook 1024x600", 1, false},
};

QScreen* screenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == QLatin1String(name)) {
            return screen;
        }
    }
    return nullptr;
}

// The main window told of the screen it opens on, as the program tells it.
struct MainWindowOn {
    explicit MainWindowOn(QScreen* screen) {
        platform.screen = ScreenSize{screen->size().width(), screen->size().height()};
        view.setScreen(screen);
        view.move(screen->availableGeometry().topLeft());
        view.show();
        QApplication::processEvents();
    }
    RecordingPlatform platform;
    Treframain model{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    MainWindowView view{model};
};

bool isWindowScrollBar(const QWidget* widget, const QScrollArea* holder) {
    return widget == holder->horizontalScrollBar() || widget == holder->verticalScrollBar();
}

// Every control the window shows can be scrolled whole into the holder's view.
void expectEveryControlReachable(QWidget& window, QScrollArea& holder, int atLeast) {
    QList<QWidget*> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QAbstractSlider*>(widget) != nullptr ||
                             qobject_cast<QComboBox*>(widget) != nullptr;
        if (control && widget->isVisibleTo(&window) && !isWindowScrollBar(widget, &holder) &&
            holder.widget()->isAncestorOf(widget)) {
            controls.push_back(widget);
        }
    }
    ASSERT_GE(controls.size(), atLeast);
    for (QWidget* control : controls) {
        holder.ensureWidgetVisible(control, 0, 0);
        const QRect shown(control->mapTo(holder.viewport(), QPoint(0, 0)), control->size());
        EXPECT_TRUE(holder.viewport()->rect().contains(shown))
            << control->metaObject()->className() << " " << control->objectName().toStdString()
            << " " << control->accessibleName().toStdString();
    }
}

// Each bench pixel is shown as a scale x scale block of the very same colour.
void expectWholePixelBlocks(PictureWidget& picture, const QImage& canvas, int scale) {
    const QImage shown = picture.grab().toImage();
    ASSERT_EQ(shown.size(), canvas.size() * scale);
    int differing = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    differing += (shown.pixel(x * scale + dx, y * scale + dy) & 0xFFFFFF) !=
                                 (canvas.pixel(x, y) & 0xFFFFFF);
                }
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(SmallScreens, theMainWindowOpensInsideTheFreeAreaAndScrollsToEveryControl) {
    for (const ScreenCase& c : kScreens) {
        SCOPED_TRACE(c.name);
        QScreen* screen = screenNamed(c.name);
        ASSERT_NE(screen, nullptr);
        MainWindowOn window(screen);
        const QRect available = screen->availableGeometry();
        const QRect frame = window.view.frameGeometry();
        EXPECT_TRUE(available.contains(frame));
        EXPECT_EQ(frame.top(), available.top());
        if (c.tooWide) {
            EXPECT_EQ(frame.left(), available.left());
        }
        auto* holder = qobject_cast<QScrollArea*>(window.view.centralWidget());
        ASSERT_NE(holder, nullptr);
        expectEveryControlReachable(window.view, *holder, 10);

        EXPECT_EQ(window.view.devicePixelRatioF(), c.scale);
        const auto& bench = static_cast<const QtCanvas&>(*window.model.planeim.canvas);
        expectWholePixelBlocks(*window.view.benchPicture(), bench.image(), c.scale);
    }
}

TEST(SmallScreens, onTheDeskScreenTheMainWindowKeepsItsSizeAndScrollsNothing) {
    QScreen* desk = screenNamed("a desk");
    ASSERT_EQ(desk, QGuiApplication::primaryScreen());
    MainWindowOn window(desk);
    EXPECT_EQ(window.view.size(), QSize(800, 600));
    auto* holder = qobject_cast<QScrollArea*>(window.view.centralWidget());
    ASSERT_NE(holder, nullptr);
    EXPECT_FALSE(holder->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(holder->verticalScrollBar()->isVisible());
}

// A free area smaller than the practice window itself.
TEST(SmallScreens, thePracticeWindowShrinksToATinyAreaAndScrollsToEveryControl) {
    PracticeOnScreen practice;
    practice.view.show();
    QApplication::processEvents();
    const QRect tiny(0, 0, 320, 240);
    practice.view.fitInto(tiny);
    EXPECT_TRUE(tiny.contains(practice.view.frameGeometry()));
    auto* holder = practice.view.findChild<QScrollArea*>();
    ASSERT_NE(holder, nullptr);
    expectEveryControlReachable(practice.view, *holder, 6);
}

struct FitCase {
    const char* what;
    QSize wanted;
    QRect available;
    QMargins frame;
    QSize fitted;
};

// The frame adds 2 pixels each side and a 30-pixel title bar; a scroll bar is 16 wide.
const FitCase kFits[] = {
    {"fits: as wanted", {800, 600}, {0, 0, 1280, 1024}, {2, 30, 2, 2}, {800, 600}},
    {"exactly fits with its frame", {800, 600}, {0, 0, 804, 632}, {2, 30, 2, 2}, {800, 600}},
    {"too tall: wider by a scroll bar", {800, 600}, {0, 0, 1024, 600}, {2, 30, 2, 2}, {816, 568}},
    {"too tall, no room to widen", {800, 600}, {0, 0, 810, 600}, {2, 30, 2, 2}, {806, 568}},
    {"too wide: taller by a scroll bar", {800, 500}, {0, 0, 640, 1024}, {2, 30, 2, 2}, {636, 516}},
    {"too large both ways", {800, 600}, {0, 0, 640, 512}, {2, 30, 2, 2}, {636, 480}},
    {"a panel's share taken", {800, 600}, {0, 40, 960, 500}, {0, 0, 0, 0}, {816, 500}},
    {"no room at all: one pixel", {800, 600}, {0, 0, 0, 0}, {2, 30, 2, 2}, {1, 1}},
};

TEST(SmallScreens, aWindowIsFittedToWhatTheFreeAreaLeavesInsideItsFrame) {
    for (const FitCase& c : kFits) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(look::fittedWindowSize(c.wanted, c.available, c.frame, 16), c.fitted);
    }
}

}  // namespace
