// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <vector>

#include "app/shown_pixels.h"
#include "support/shown_main_window.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;

QImage whitePicture(int width = 40, int height = 30) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kWhite);
    return image;
}

struct ChangeCase {
    const char* what;
    std::vector<QPoint> redPixels;
    std::vector<QRect> changed;
};

// Rows 0 to 15 are one band, rows 16 to 29 the next.
const ChangeCase kChanges[] = {
    {"nothing changed", {}, {}},
    {"one pixel", {{7, 4}}, {{7, 4, 1, 1}}},
    {"a row's two ends", {{3, 11}, {36, 11}}, {{3, 11, 34, 1}}},
    {"two rows of one band", {{30, 2}, {5, 9}}, {{5, 2, 26, 8}}},
    {"the first and last rows of a band", {{8, 0}, {8, 15}}, {{8, 0, 1, 16}}},
    {"either side of a band's edge", {{8, 15}, {8, 16}}, {{8, 15, 1, 1}, {8, 16, 1, 1}}},
    {"a diagonal across both bands", {{30, 2}, {5, 20}}, {{30, 2, 1, 1}, {5, 20, 1, 1}}},
    {"two far corners", {{0, 0}, {39, 29}}, {{0, 0, 1, 1}, {39, 29, 1, 1}}},
};

QRegion regionOf(const std::vector<QRect>& rects) {
    QRegion region;
    for (const QRect& rect : rects) {
        region += rect;
    }
    return region;
}

TEST(ShownPixels, eachBandOfRowsGivesTheSmallestRectangleHoldingItsChangedPixels) {
    for (const ChangeCase& c : kChanges) {
        SCOPED_TRACE(c.what);
        const QImage before = whitePicture();
        QImage after = before.copy();
        for (const QPoint& pixel : c.redPixels) {
            after.setPixel(pixel, kRed);
        }
        EXPECT_EQ(changedArea(before, after), regionOf(c.changed));
    }
}

TEST(ShownPixels, aPictureOfAnotherSizeChangesWhole) {
    EXPECT_EQ(changedArea(whitePicture(40, 30), whitePicture(41, 30)), QRegion(0, 0, 41, 30));
}

TEST(ShownPixels, aScaledCopyMakesEachPixelAWholeBlock) {
    QImage picture = whitePicture(3, 2);
    picture.setPixel(1, 0, kRed);
    picture.setPixel(2, 1, kBlue);
    QImage scaled(6, 4, QImage::Format_RGB32);
    scaled.fill(0xFF000000);
    copyScaled(picture, picture.rect(), 2, scaled);
    const QRgb W = kWhite, R = kRed, B = kBlue;
    const QRgb expected[4][6] = {
        {W, W, R, R, W, W}, {W, W, R, R, W, W}, {W, W, W, W, B, B}, {W, W, W, W, B, B}};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(scaled.pixel(x, y), expected[y][x]) << x << ", " << y;
        }
    }
}

// What the widget shows follows the canvas: all of it at first, then only what changed, and
// nothing when the canvas was not drawn on, or was drawn on without a change.
TEST(ShownPixels, takeCopiesOnlyWhatChangedAtTheScreensScale) {
    QImage canvas = whitePicture();
    ShownPixels shown;
    EXPECT_EQ(shown.take(canvas, 2), QRegion(canvas.rect()));
    EXPECT_EQ(shown.shown().size(), QSize(80, 60));
    EXPECT_EQ(shown.shown().devicePixelRatio(), 2.0);
    EXPECT_EQ(shown.take(canvas, 2), QRegion());

    canvas.setPixel(10, 5, kWhite);
    EXPECT_EQ(shown.take(canvas, 2), QRegion());
    canvas.setPixel(10, 5, kRed);
    EXPECT_EQ(shown.take(canvas, 2), QRegion(10, 5, 1, 1));
    for (const QPoint block : {QPoint(20, 10), QPoint(21, 10), QPoint(20, 11), QPoint(21, 11)}) {
        EXPECT_EQ(shown.shown().pixel(block), kRed);
    }
    EXPECT_EQ(shown.shown().pixel(22, 10), kWhite);

    // On a screen of another scale everything is shown anew.
    EXPECT_EQ(shown.take(canvas, 1), QRegion(canvas.rect()));
    EXPECT_EQ(shown.shown().size(), canvas.size());
    EXPECT_EQ(shown.shown().pixel(10, 5), kRed);
}

// Counts the paints a widget receives, and the area they cover.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;
    QRegion painted;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

int areaOf(const QRegion& region) {
    int area = 0;
    for (const QRect& rect : region) {
        area += rect.width() * rect.height();
    }
    return area;
}

TEST(ShownPixelsOnScreen, aMoveThatChangesNothingRepaintsNothingAndADragOnlyWhatChanged) {
    ShownMainWindow window;
    PictureWidget* bench = window.view.benchPicture();
    QApplication::processEvents();
    PaintCounter counter(bench);
    for (int row = 119; row <= 120; ++row) {
        window.hover(window.at(bench, {600, row}));
        QApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, 0);

    HandleWidget* source = window.view.handleFor(window.model.dsh1);
    const QPoint grip = window.at(source, {2, 2});
    window.press(grip);
    QApplication::processEvents();
    counter.painted = QRegion();
    window.drag(grip + QPoint(0, 10));
    QApplication::processEvents();
    window.release(grip + QPoint(0, 10));
    const int whole = bench->width() * bench->height();
    EXPECT_GT(areaOf(counter.painted), 0);
    EXPECT_LT(areaOf(counter.painted), whole / 2);
}

}  // namespace
