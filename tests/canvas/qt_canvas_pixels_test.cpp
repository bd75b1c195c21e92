// SPDX-License-Identifier: MIT
#include "canvas/qt_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "canvas/recording_canvas.h"

namespace {

using Pixel = std::pair<int, int>;  // (x, y)
using Pixels = std::set<Pixel>;

// Every pixel of the canvas that is not of the background colour.
Pixels inked(const QtCanvas& canvas, TColor background = colours::white) {
    Pixels found;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) != background) {
                found.insert({x, y});
            }
        }
    }
    return found;
}

int countOf(const QtCanvas& canvas, TColor colour) {
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            count += canvas.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The canvas as rows of characters, so that a small figure reads as drawn:
// '.' white, '#' black, 'r' red, 'y' yellow, 'g' grey, '?' anything else.
std::string picture(const QtCanvas& canvas) {
    std::string rows;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            switch (canvas.pixel(x, y)) {
                case colours::white:
                    rows += '.';
                    break;
                case colours::black:
                    rows += '#';
                    break;
                case colours::red:
                    rows += 'r';
                    break;
                case colours::yellow:
                    rows += 'y';
                    break;
                case colours::grey:
                    rows += 'g';
                    break;
                default:
                    rows += '?';
            }
        }
        rows += '\n';
    }
    return rows;
}

struct Bounds {
    int left = 0;
    int top = 0;
    int right = 0;  // inclusive
    int bottom = 0;
    bool operator==(const Bounds&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Bounds& bounds) {
    return out << "columns " << bounds.left << ".." << bounds.right << ", rows " << bounds.top
               << ".." << bounds.bottom;
}

Bounds boundsOf(const Pixels& pixels) {
    if (pixels.empty()) {
        ADD_FAILURE() << "nothing is drawn";
        return {};
    }
    Bounds bounds{pixels.begin()->first, pixels.begin()->second, pixels.begin()->first,
                  pixels.begin()->second};
    for (const auto& [x, y] : pixels) {
        bounds.left = std::min(bounds.left, x);
        bounds.right = std::max(bounds.right, x);
        bounds.top = std::min(bounds.top, y);
        bounds.bottom = std::max(bounds.bottom, y);
    }
    return bounds;
}

// Names each case of a table by its own name field.
struct CaseName {
    template <class Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

void paintAll(QtCanvas& canvas, TColor colour) {
    canvas.brush = {colour, BrushStyle::Solid};
    canvas.pen.color = colour;
    canvas.rectangle(0, 0, canvas.width(), canvas.height());
}

void line(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

// --- Colours -------------------------------------------------------------------------------

TEST(QtCanvasColours, theDrawingCodesRedIsQtsRed) {
    EXPECT_EQ(toQRgb(colours::red), qRgb(255, 0, 0));
    EXPECT_EQ(toQRgb(colours::blue), qRgb(0, 0, 255));
    EXPECT_EQ(fromQRgb(qRgb(255, 0, 0)), colours::red);
    EXPECT_EQ(fromQRgb(qRgb(0, 128, 0)), colours::green);
}

TEST(QtCanvasColours, everyChannelSurvivesTheRoundTrip) {
    for (const TColor colour : {rgb(12, 34, 56), rgb(255, 0, 1), rgb(0, 254, 255), colours::grey}) {
        EXPECT_EQ(fromQRgb(toQRgb(colour)), colour);
    }
}

TEST(QtCanvasColours, aRedPenPutsQtRedIntoTheImage) {
    QtCanvas canvas(4, 1);
    canvas.pen.color = colours::red;
    line(canvas, {0, 0}, {4, 0});
    EXPECT_EQ(canvas.image().pixel(1, 0), qRgb(255, 0, 0));
}

// --- The surface ---------------------------------------------------------------------------

TEST(QtCanvasSurface, startsWhiteAndReadsBlackOutside) {
    QtCanvas canvas(7, 5);
    EXPECT_EQ(canvas.width(), 7);
    EXPECT_EQ(canvas.height(), 5);
    EXPECT_TRUE(inked(canvas).empty());
    EXPECT_EQ(canvas.image().format(), QImage::Format_RGB32);
    for (const auto& [x, y] : std::vector<Pixel>{{-1, 0}, {7, 0}, {0, -1}, {0, 5}}) {
        EXPECT_EQ(canvas.pixel(x, y), colours::black) << x << "," << y;
    }
}

TEST(QtCanvasSurface, resizeKeepsThePictureWhereItFitsAndAddsWhite) {
    QtCanvas canvas(4, 4);
    paintAll(canvas, colours::red);
    canvas.resize(6, 3);
    EXPECT_EQ(picture(canvas),
              "rrrr..\n"
              "rrrr..\n"
              "rrrr..\n");
}

TEST(QtCanvasSurface, anEmptyCanvasDrawsNothingAndDoesNotFail) {
    QtCanvas canvas(0, 0);
    line(canvas, {0, 0}, {5, 5});
    canvas.ellipse(0, 0, 4, 4);
    canvas.rectangle(0, 0, 4, 4);
    canvas.arc(0, 0, 4, 4, 4, 2, 2, 0);
    const std::vector<Point> corners{{0, 0}, {3, 0}, {0, 3}};
    canvas.polygon(corners);
    canvas.textOut(0, 0, "n");
    canvas.floodFill(0, 0, colours::black);
    QtCanvas other(3, 3);
    canvas.copyRect({0, 0, 3, 3}, other, {0, 0, 3, 3});
    other.copyRect({0, 0, 3, 3}, canvas, {0, 0, 3, 3});
    EXPECT_EQ(canvas.pixel(0, 0), colours::black);
    EXPECT_TRUE(inked(other).empty());
}

// --- Thin lines ----------------------------------------------------------------------------

struct ThinLineCase {
    const char* name;
    Point from;
    Point to;
    Pixels expected;
};

class ThinLine : public testing::TestWithParam<ThinLineCase> {};

TEST_P(ThinLine, putsBresenhamsPixelsAndLeavesOutTheEnd) {
    const ThinLineCase& example = GetParam();
    QtCanvas canvas(8, 8);
    line(canvas, example.from, example.to);
    EXPECT_EQ(inked(canvas), example.expected);
}

// Worked by hand: one pixel per step of the longer axis, the other coordinate rounded to
// the nearest pixel, an exact half rounded back toward the start.
INSTANTIATE_TEST_SUITE_P(
    QtCanvas, ThinLine,
    testing::Values(
        ThinLineCase{"rightward", {1, 2}, {5, 2}, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        ThinLineCase{"leftward", {5, 2}, {1, 2}, {{5, 2}, {4, 2}, {3, 2}, {2, 2}}},
        ThinLineCase{"downward", {2, 1}, {2, 4}, {{2, 1}, {2, 2}, {2, 3}}},
        ThinLineCase{"upward", {2, 4}, {2, 1}, {{2, 4}, {2, 3}, {2, 2}}},
        ThinLineCase{"diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        ThinLineCase{"antiDiagonal", {3, 0}, {0, 3}, {{3, 0}, {2, 1}, {1, 2}}},
        // y = i/2: 0, 0.5 (tie, stays at 0), 1, 1.5 (tie, stays at 1)
        ThinLineCase{"shallowWithTies", {0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        // x = 2i/5: 0, 0.4, 0.8, 1.2, 1.6
        ThinLineCase{"steep", {0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        ThinLineCase{"steepUpLeft", {3, 5}, {1, 0}, {{3, 5}, {3, 4}, {2, 3}, {2, 2}, {1, 1}}},
        ThinLineCase{"singlePoint", {3, 3}, {3, 3}, {}},
        ThinLineCase{"oneStep", {3, 3}, {4, 3}, {{3, 3}}},
        ThinLineCase{"clippedAtTheLeftEdge", {-3, 1}, {2, 1}, {{0, 1}, {1, 1}}},
        ThinLineCase{"clippedBelow", {6, 6}, {9, 9}, {{6, 6}, {7, 7}}},
        ThinLineCase{"whollyOutside", {-5, -1}, {20, -1}, {}}),
    CaseName());

TEST(QtCanvasLines, everyThinPixelLiesWithinHalfAPixelOfTheTrueLineOnePerStep) {
    // Endpoints on a spread of slopes in all octants.
    constexpr double kHalfPixel = 0.5;
    const Point centre{20, 20};
    for (int k = 0; k < 48; ++k) {
        const Point to{centre.x + (k * 7 % 37) - 18, centre.y + (k * 11 % 37) - 18};
        QtCanvas canvas(41, 41);
        line(canvas, centre, to);
        const Pixels pixels = inked(canvas);
        const int dx = to.x - centre.x;
        const int dy = to.y - centre.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        EXPECT_EQ(static_cast<int>(pixels.size()), steps) << "to " << to.x << "," << to.y;
        for (const auto& [x, y] : pixels) {
            // Distance along the shorter axis from the ideal line through both endpoints.
            const double offset =
                std::abs(dx) >= std::abs(dy)
                    ? y - (centre.y + static_cast<double>(dy) * (x - centre.x) / dx)
                    : x - (centre.x + static_cast<double>(dx) * (y - centre.y) / dy);
            EXPECT_LE(std::abs(offset), kHalfPixel) << "pixel " << x << "," << y;
        }
        EXPECT_FALSE(pixels.contains({to.x, to.y}));
    }
}

TEST(QtCanvasLines, aPolylineJointBelongsToTheNextSegmentAndTheLastEndIsLeftOut) {
    QtCanvas canvas(8, 6);
    canvas.moveTo(0, 0);
    canvas.lineTo(5, 0);
    canvas.pen.color = colours::red;
    canvas.lineTo(5, 3);
    canvas.lineTo(2, 3);
    EXPECT_EQ(picture(canvas),
              "#####r..\n"
              ".....r..\n"
              ".....r..\n"
              "...rrr..\n"
              "........\n"
              "........\n");
    EXPECT_EQ(canvas.penPos(), (Point{2, 3}));
}

TEST(QtCanvasLines, dottedThinLinesAlternateFromTheStart) {
    QtCanvas canvas(10, 1);
    canvas.pen.style = PenStyle::Dot;
    line(canvas, {0, 0}, {9, 0});
    EXPECT_EQ(picture(canvas), "#.#.#.#.#.\n");
}

TEST(QtCanvasLines, dashedThinLinesHaveDashesAndGaps) {
    QtCanvas canvas(20, 1);
    canvas.pen.style = PenStyle::Dash;
    line(canvas, {0, 0}, {20, 0});
    const std::string row = picture(canvas);
    EXPECT_NE(row.find("###"), std::string::npos) << row;
    EXPECT_NE(row.find("#.."), std::string::npos) << row;
    EXPECT_EQ(row[0], '#');
}

TEST(QtCanvasLines, aLongLineMostlyOutsideDrawsOnlyItsVisiblePart) {
    QtCanvas canvas(10, 10);
    line(canvas, {-10'000'000, 4}, {10'000'000, 4});
    EXPECT_EQ(countOf(canvas, colours::black), 10);
    EXPECT_EQ(boundsOf(inked(canvas)), (Bounds{0, 4, 9, 4}));
}

void clearToWhite(QtCanvas& canvas, PenStyle style) {
    paintAll(canvas, colours::white);
    canvas.pen = {colours::black, 1, style};
}

TEST(QtCanvasLines, aLineLeavingThePictureKeepsThePixelsItsWholeWalkPutsInside) {
    // Endpoints inside, on and beyond every edge and corner of a 20 x 12 picture. The whole
    // walk is the same line shifted onto a picture that holds all of it.
    const std::vector<int> xs{-31, -9, -2, -1, 0, 1, 5, 10, 18, 19, 20, 21, 27, 44};
    const std::vector<int> ys{-23, -6, -1, 0, 1, 4, 10, 11, 12, 13, 30};
    const Point shift{31, 23};
    QtCanvas clipped(20, 12);
    QtCanvas whole(76, 54);
    std::vector<Point> ends;
    for (const int x : xs) {
        for (const int y : ys) {
            ends.push_back({x, y});
        }
    }
    for (const PenStyle style : {PenStyle::Solid, PenStyle::Dot, PenStyle::Dash}) {
        for (const Point from : ends) {
            for (const Point to : ends) {
                clearToWhite(clipped, style);
                clearToWhite(whole, style);
                line(clipped, from, to);
                line(whole, {from.x + shift.x, from.y + shift.y}, {to.x + shift.x, to.y + shift.y});
                ASSERT_TRUE(clipped.image() == whole.image().copy(shift.x, shift.y, 20, 12))
                    << "style " << static_cast<int>(style) << " from " << from.x << "," << from.y
                    << " to " << to.x << "," << to.y;
            }
        }
    }
}

TEST(QtCanvasLines, aVeryLongLineKeepsItsTiesOnTheSideOfItsStart) {
    // Slope 1/4 through the origin, from twenty million pixels away either way: y is x / 4
    // rounded to the nearest row, x = 2 and x = 6 being exact ties. From the left end a tie
    // stays on the upper row, from the right end on the lower one.
    QtCanvas forward(8, 3);
    line(forward, {-10'000'000, -2'500'000}, {10'000'000, 2'500'000});
    EXPECT_EQ(picture(forward),
              "###.....\n"
              "...####.\n"
              ".......#\n");
    QtCanvas backward(8, 3);
    line(backward, {10'000'000, 2'500'000}, {-10'000'000, -2'500'000});
    EXPECT_EQ(picture(backward),
              "##......\n"
              "..####..\n"
              "......##\n");
}

struct WideLineCase {
    const char* name;
    int width;
    Point from;
    Point to;
    Bounds expected;
};

class WideLine : public testing::TestWithParam<WideLineCase> {};

TEST_P(WideLine, coversItsWidthAcrossAndStopsBeforeTheEnd) {
    const WideLineCase& example = GetParam();
    QtCanvas canvas(20, 20);
    canvas.pen.width = example.width;
    line(canvas, example.from, example.to);
    EXPECT_EQ(boundsOf(inked(canvas)), example.expected);
}

// Width 2 takes the row (or column) of the thin line and the one below (or right of) it;
// width 3 one on each side.
INSTANTIATE_TEST_SUITE_P(
    QtCanvas, WideLine,
    testing::Values(WideLineCase{"horizontal2", 2, {2, 5}, {10, 5}, {2, 5, 9, 6}},
                    WideLineCase{"horizontal3", 3, {2, 5}, {10, 5}, {2, 4, 9, 6}},
                    WideLineCase{"leftward3", 3, {10, 5}, {2, 5}, {3, 4, 10, 6}},
                    WideLineCase{"vertical2", 2, {7, 3}, {7, 12}, {7, 3, 8, 11}},
                    WideLineCase{"vertical3", 3, {7, 3}, {7, 12}, {6, 3, 8, 11}}),
    CaseName());

TEST(QtCanvasLines, aWideDiagonalCoversTheThinLineAndStaysNearIt) {
    constexpr double kRounding = 0.5;  // a pixel whose centre is inside the pen's band
    for (const int width : {2, 3}) {
        QtCanvas thin(30, 30);
        line(thin, {5, 3}, {22, 25});
        QtCanvas wide(30, 30);
        wide.pen.width = width;
        line(wide, {5, 3}, {22, 25});
        const Pixels covered = inked(wide);
        for (const Pixel& pixel : inked(thin)) {
            EXPECT_TRUE(covered.contains(pixel)) << "width " << width;
        }
        for (const auto& [x, y] : covered) {
            // Distance from the line through the two pixel centres.
            const double distance =
                std::abs(22.0 * (x - 5) - 17.0 * (y - 3)) / std::hypot(17.0, 22.0);
            EXPECT_LE(distance, width / 2.0 + kRounding)
                << "width " << width << " pixel " << x << "," << y;
        }
    }
}

TEST(QtCanvasLines, dottedWideLinesHaveGaps) {
    QtCanvas canvas(24, 4);
    canvas.pen.width = 2;
    canvas.pen.style = PenStyle::Dot;
    line(canvas, {0, 1}, {24, 1});
    const std::string rows = picture(canvas);
    EXPECT_NE(rows.find("##..##"), std::string::npos) << rows;
}

// --- Rectangles and ellipses ---------------------------------------------------------------

TEST(QtCanvasRectangle, fillsAndOutlinesExactlyItsBox) {
    QtCanvas canvas(7, 6);
    canvas.brush.color = colours::red;
    canvas.rectangle(0, 0, 5, 5);
    EXPECT_EQ(picture(canvas),
              "#####..\n"
              "#rrr#..\n"
              "#rrr#..\n"
              "#rrr#..\n"
              "#####..\n"
              ".......\n");
}

TEST(QtCanvasRectangle, cornersNamedInAnyOrderGiveTheSameBox) {
    QtCanvas forward(8, 8);
    forward.rectangle(1, 2, 6, 7);
    QtCanvas backward(8, 8);
    backward.rectangle(6, 7, 1, 2);
    EXPECT_EQ(picture(backward), picture(forward));
}

TEST(QtCanvasRectangle, aClearBrushLeavesTheInsideAlone) {
    QtCanvas canvas(5, 5);
    paintAll(canvas, colours::grey);
    canvas.pen.color = colours::black;
    canvas.brush.style = BrushStyle::Clear;
    canvas.rectangle(0, 0, 5, 5);
    EXPECT_EQ(picture(canvas),
              "#####\n"
              "#ggg#\n"
              "#ggg#\n"
              "#ggg#\n"
              "#####\n");
}

TEST(QtCanvasRectangle, aWidePenStaysInsideTheBox) {
    QtCanvas canvas(9, 7);
    canvas.pen.width = 2;
    canvas.brush.color = colours::yellow;
    canvas.rectangle(0, 0, 8, 6);
    EXPECT_EQ(picture(canvas),
              "########.\n"
              "########.\n"
              "##yyyy##.\n"
              "##yyyy##.\n"
              "########.\n"
              "########.\n"
              ".........\n");
}

TEST(QtCanvasRectangle, boxesTooSmallForAnInsideAreAllPen) {
    QtCanvas canvas(6, 3);
    canvas.brush.color = colours::red;
    canvas.rectangle(1, 1, 2, 2);  // one pixel
    canvas.rectangle(3, 0, 4, 3);  // one column
    canvas.rectangle(5, 0, 5, 3);  // no width at all
    EXPECT_EQ(picture(canvas),
              "...#..\n"
              ".#.#..\n"
              "...#..\n");
}

struct EllipseCase {
    const char* name;
    int penWidth;
    Rect box;
};

class EllipseInBox : public testing::TestWithParam<EllipseCase> {};

TEST_P(EllipseInBox, touchesEachSideOfItsBoxAndNeverLeavesIt) {
    const EllipseCase& example = GetParam();
    const Rect& box = example.box;
    QtCanvas canvas(40, 30);
    canvas.pen.width = example.penWidth;
    canvas.brush.color = colours::red;
    canvas.ellipse(box.left, box.top, box.right, box.bottom);
    EXPECT_EQ(boundsOf(inked(canvas)), (Bounds{box.left, box.top, box.right - 1, box.bottom - 1}));
    EXPECT_EQ(canvas.pixel(box.left, box.top), colours::white);  // the corners stay out
    EXPECT_EQ(canvas.pixel(box.right - 1, box.bottom - 1), colours::white);
    EXPECT_EQ(canvas.pixel(box.left, (box.top + box.bottom) / 2), colours::black);
}

INSTANTIATE_TEST_SUITE_P(QtCanvas, EllipseInBox,
                         testing::Values(EllipseCase{"wide1", 1, {3, 4, 33, 20}},
                                         EllipseCase{"tall1", 1, {10, 2, 19, 27}},
                                         EllipseCase{"oddCircle1", 1, {5, 5, 22, 22}},
                                         EllipseCase{"wide2", 2, {3, 4, 33, 20}},
                                         EllipseCase{"circle3", 3, {5, 5, 25, 25}}),
                         CaseName());

TEST(QtCanvasEllipse, isFilledWithTheBrushInsideThePen) {
    QtCanvas canvas(30, 20);
    canvas.brush.color = colours::red;
    canvas.ellipse(2, 2, 28, 18);
    EXPECT_EQ(canvas.pixel(15, 10), colours::red);
    EXPECT_EQ(canvas.pixel(15, 2), colours::black);
    EXPECT_EQ(canvas.pixel(15, 3), colours::red);
}

TEST(QtCanvasEllipse, aSmallDotFillsItsFourByFourBox) {
    QtCanvas canvas(8, 8);
    canvas.pen.color = colours::red;
    canvas.brush.color = colours::red;
    canvas.ellipse(2, 2, 6, 6);
    EXPECT_EQ(boundsOf(inked(canvas)), (Bounds{2, 2, 5, 5}));
    EXPECT_EQ(canvas.pixel(3, 3), colours::red);
}

TEST(QtCanvasEllipse, aClearBrushLeavesTheInsideAlone) {
    QtCanvas canvas(20, 20);
    paintAll(canvas, colours::grey);
    canvas.pen.color = colours::black;
    canvas.brush.style = BrushStyle::Clear;
    canvas.ellipse(2, 2, 18, 18);
    EXPECT_EQ(canvas.pixel(10, 10), colours::grey);
    EXPECT_EQ(canvas.pixel(10, 2), colours::black);
}

// --- Polygons ------------------------------------------------------------------------------

TEST(QtCanvasPolygon, isFilledUpToItsOutlineWithoutAGap) {
    QtCanvas canvas(16, 16);
    canvas.brush.color = colours::red;
    const std::vector<Point> triangle{{2, 2}, {13, 2}, {2, 13}};
    canvas.polygon(triangle);
    for (const Point& corner : triangle) {
        EXPECT_EQ(canvas.pixel(corner.x, corner.y), colours::black);
    }
    EXPECT_EQ(canvas.pixel(5, 5), colours::red);
    EXPECT_EQ(canvas.pixel(12, 12), colours::white);
    // Along every row between the legs, the inside runs unbroken into the slanted edge.
    for (int y = 3; y < 12; ++y) {
        int x = 3;
        while (canvas.pixel(x, y) == colours::red) {
            ++x;
        }
        EXPECT_EQ(canvas.pixel(x, y), colours::black) << "row " << y;
        EXPECT_GT(x, 3) << "row " << y;
    }
}

TEST(QtCanvasPolygon, aClearBrushDrawsOnlyTheOutline) {
    QtCanvas canvas(10, 10);
    canvas.brush.style = BrushStyle::Clear;
    const std::vector<Point> square{{1, 1}, {8, 1}, {8, 8}, {1, 8}};
    canvas.polygon(square);
    EXPECT_EQ(countOf(canvas, colours::black), 4 * 7);
    EXPECT_EQ(canvas.pixel(4, 4), colours::white);
}

// --- Arcs ----------------------------------------------------------------------------------

// Ink in each quadrant of a box around (centre, centre), leaving out the centre lines.
struct Quadrants {
    bool upperRight = false;
    bool upperLeft = false;
    bool lowerLeft = false;
    bool lowerRight = false;
    bool operator==(const Quadrants&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Quadrants& q) {
    return out << "UR " << q.upperRight << " UL " << q.upperLeft << " LL " << q.lowerLeft << " LR "
               << q.lowerRight;
}

Quadrants quadrantsOf(const QtCanvas& canvas, int centre) {
    constexpr int kMargin =
        2;  // pixels either side of an axis the pen may touch at a quadrant's end
    Quadrants q;
    for (const auto& [x, y] : inked(canvas)) {
        const bool right = x > centre + kMargin;
        const bool left = x < centre - kMargin;
        const bool up = y < centre - kMargin;
        const bool down = y > centre + kMargin;
        q.upperRight |= right && up;
        q.upperLeft |= left && up;
        q.lowerLeft |= left && down;
        q.lowerRight |= right && down;
    }
    return q;
}

struct ArcCase {
    const char* name;
    Point start;
    Point end;
    Quadrants expected;
};

class ArcOfCircle : public testing::TestWithParam<ArcCase> {};

TEST_P(ArcOfCircle, runsCounterClockwiseOnTheScreen) {
    const ArcCase& example = GetParam();
    QtCanvas canvas(41, 41);  // the circle of radius 20 about (20, 20)
    canvas.arc(0, 0, 41, 41, example.start.x, example.start.y, example.end.x, example.end.y);
    EXPECT_EQ(quadrantsOf(canvas, 20), example.expected);
}

INSTANTIATE_TEST_SUITE_P(
    QtCanvas, ArcOfCircle,
    testing::Values(
        ArcCase{"eastToNorth", {40, 20}, {20, 0}, {true, false, false, false}},
        ArcCase{"northToEast", {20, 0}, {40, 20}, {false, true, true, true}},
        ArcCase{"westToEast", {0, 20}, {40, 20}, {false, false, true, true}},
        // Only the direction from the centre counts, not the distance.
        ArcCase{"nearPointsOnFarRadials", {25, 20}, {20, 17}, {true, false, false, false}},
        ArcCase{"sameRadialIsTheWholeCircle", {30, 10}, {35, 5}, {true, true, true, true}},
        ArcCase{"fromTheCentreCountsAsEast", {20, 20}, {20, 0}, {true, false, false, false}}),
    CaseName());

TEST(QtCanvasArc, staysOnItsEllipse) {
    QtCanvas arcCanvas(41, 41);
    arcCanvas.arc(0, 0, 41, 41, 40, 20, 20, 0);
    QtCanvas ellipseCanvas(41, 41);
    ellipseCanvas.brush.style = BrushStyle::Clear;
    ellipseCanvas.ellipse(0, 0, 41, 41);
    const Pixels onEllipse = inked(ellipseCanvas);
    for (const Pixel& pixel : inked(arcCanvas)) {
        EXPECT_TRUE(onEllipse.contains(pixel)) << pixel.first << "," << pixel.second;
    }
}

TEST(QtCanvasArc, endsOnTheRadialOfAFlattenedEllipse) {
    // Ellipse with half-axes 30 and 15 about (30, 15). The radial at 45 degrees up and right
    // meets it where x - 30 = 15 - y = 30 * 15 / sqrt(30^2 + 15^2) = 13.4, near (43, 2).
    constexpr int kTolerance = 1;
    QtCanvas canvas(61, 31);
    canvas.arc(0, 0, 61, 31, 60, 15, 31, 14);
    const Pixels pixels = inked(canvas);
    const int leftmost = boundsOf(pixels).left;
    EXPECT_NEAR(leftmost, 43, kTolerance);
    for (const auto& [x, y] : pixels) {
        if (x == leftmost) {
            EXPECT_NEAR(y, 2, kTolerance);
        }
    }
}

// --- Text ----------------------------------------------------------------------------------

class QtCanvasText : public testing::Test {
  protected:
    QtCanvasText() : canvas(120, 60) {
        paintAll(canvas, colours::grey);
        canvas.font.pixelSize = 16;
        canvas.font.color = colours::black;
    }
    QtCanvas canvas;
};

TEST_F(QtCanvasText, inksASmallBoxBelowAndRightOfItsCorner) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.textOut(30, 20, "Hg");
    const Pixels ink = inked(canvas, colours::grey);
    ASSERT_FALSE(ink.empty());
    const Bounds bounds = boundsOf(ink);
    EXPECT_GE(bounds.left, 30);
    EXPECT_GE(bounds.top, 20);
    EXPECT_LE(bounds.right, 30 + 30);
    EXPECT_LE(bounds.bottom, 20 + 22);
    EXPECT_EQ(countOf(canvas, colours::black), static_cast<int>(ink.size()));  // no smoothing
}

TEST_F(QtCanvasText, aSolidBrushPaintsAnOpaqueBackgroundFromTheCorner) {
    canvas.brush = {colours::yellow, BrushStyle::Solid};
    canvas.textOut(30, 20, "Hg");
    EXPECT_EQ(canvas.pixel(30, 20), colours::yellow);
    EXPECT_EQ(canvas.pixel(29, 20), colours::grey);
    EXPECT_EQ(canvas.pixel(30, 19), colours::grey);
    const Bounds background = boundsOf(inked(canvas, colours::grey));
    EXPECT_EQ(background.left, 30);
    EXPECT_EQ(background.top, 20);
    EXPECT_GT(countOf(canvas, colours::black), 0);
}

TEST_F(QtCanvasText, aClearBrushLeavesTheBackgroundShowing) {
    canvas.brush = {colours::yellow, BrushStyle::Clear};
    canvas.textOut(30, 20, "Hg");
    EXPECT_EQ(countOf(canvas, colours::yellow), 0);
    EXPECT_GT(countOf(canvas, colours::black), 0);
}

TEST_F(QtCanvasText, boldTextCarriesMoreInk) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.textOut(2, 2, "Internally");
    const int regular = countOf(canvas, colours::black);
    canvas.font.bold = true;
    canvas.textOut(2, 30, "Internally");
    EXPECT_GT(countOf(canvas, colours::black) - regular, regular);
}

TEST_F(QtCanvasText, readsItsBytesAsUtf8) {
    // Mu is about as wide as u; its two bytes read one by one would be two letters.
    constexpr int kLetterTolerance = 3;
    canvas.brush.style = BrushStyle::Clear;
    canvas.textOut(2, 2, "\xce\xbc");
    const Bounds mu = boundsOf(inked(canvas, colours::grey));
    paintAll(canvas, colours::grey);
    canvas.brush.style = BrushStyle::Clear;
    canvas.textOut(2, 2, "u");
    const Bounds u = boundsOf(inked(canvas, colours::grey));
    EXPECT_NEAR(mu.right - mu.left, u.right - u.left, kLetterTolerance);
}

// --- Flood fill ----------------------------------------------------------------------------

class QtCanvasFloodFill : public testing::Test {
  protected:
    QtCanvasFloodFill() : canvas(40, 30) { canvas.brush.color = colours::red; }
    QtCanvas canvas;
};

TEST_F(QtCanvasFloodFill, fillsInsideARingAndStopsAtIt) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.ellipse(5, 5, 35, 25);
    const int ring = countOf(canvas, colours::black);
    canvas.brush = {colours::red, BrushStyle::Solid};
    canvas.floodFill(20, 15, colours::black);
    EXPECT_EQ(canvas.pixel(20, 15), colours::red);
    EXPECT_EQ(canvas.pixel(6, 6), colours::white);
    EXPECT_EQ(canvas.pixel(0, 0), colours::white);
    EXPECT_EQ(countOf(canvas, colours::black), ring);
    EXPECT_EQ(countOf(canvas, colours::white) + countOf(canvas, colours::red) + ring, 40 * 30);
}

TEST_F(QtCanvasFloodFill, doesNotLeakThroughAOnePixelWall) {
    line(canvas, {20, 0}, {20, 30});
    canvas.floodFill(3, 3, colours::black);
    EXPECT_EQ(countOf(canvas, colours::red), 20 * 30);
    EXPECT_EQ(canvas.pixel(21, 3), colours::white);
}

TEST_F(QtCanvasFloodFill, doesNotSlipThroughTheCornersOfADiagonalWall) {
    line(canvas, {0, 0}, {30, 30});
    canvas.floodFill(25, 3, colours::black);
    EXPECT_EQ(canvas.pixel(3, 25), colours::white);
    EXPECT_EQ(canvas.pixel(29, 28), colours::red);
}

TEST_F(QtCanvasFloodFill, paintsOverEveryColourButTheBorder) {
    canvas.pen = {colours::grey, 1, PenStyle::Dot};
    line(canvas, {0, 10}, {40, 10});
    canvas.pen = {colours::red, 1, PenStyle::Solid};
    line(canvas, {10, 0}, {10, 30});  // already the brush colour, and no border
    canvas.floodFill(3, 3, colours::black);
    EXPECT_EQ(countOf(canvas, colours::red), 40 * 30);
}

TEST_F(QtCanvasFloodFill, endsWhenTheBrushColourIsAlreadyThere) {
    canvas.brush.color = colours::white;
    canvas.floodFill(3, 3, colours::black);
    EXPECT_EQ(countOf(canvas, colours::white), 40 * 30);
}

TEST_F(QtCanvasFloodFill, aSeedOutsideOrOnTheBorderDoesNothing) {
    line(canvas, {0, 5}, {40, 5});
    for (const auto& [x, y] : std::vector<Pixel>{{-1, 3}, {40, 3}, {3, 30}, {7, 5}}) {
        canvas.floodFill(x, y, colours::black);
        EXPECT_EQ(countOf(canvas, colours::red), 0) << x << "," << y;
    }
}

TEST_F(QtCanvasFloodFill, aClearBrushPaintsNothing) {
    canvas.brush.style = BrushStyle::Clear;
    canvas.floodFill(3, 3, colours::black);
    EXPECT_EQ(countOf(canvas, colours::white), 40 * 30);
}

TEST(QtCanvasLargeFloodFill, fillsAWholeBenchSizedPicture) {
    QtCanvas canvas(769, 344);
    canvas.brush.color = colours::red;
    canvas.floodFill(384, 172, colours::black);
    EXPECT_EQ(countOf(canvas, colours::red), 769 * 344);
}

TEST(QtCanvasLargeFloodFill, fillsAWindingCorridorToItsEnd) {
    // A comb of walls, each open at alternate ends, makes one long corridor that turns at
    // every wall: the worst shape for a fill that recursed or queued pixel by pixel.
    QtCanvas canvas(769, 344);
    for (int x = 2; x < 769; x += 2) {
        if (x % 4 == 0) {
            line(canvas, {x, 0}, {x, 343});
        } else {
            line(canvas, {x, 343}, {x, 0});
        }
    }
    const int walls = countOf(canvas, colours::black);
    canvas.brush.color = colours::red;
    canvas.floodFill(0, 0, colours::black);
    EXPECT_EQ(countOf(canvas, colours::red), 769 * 344 - walls);
}

// --- Copying -------------------------------------------------------------------------------

// A source with a different colour at every pixel, so that a misplaced copy shows.
void numberPixels(QtCanvas& canvas) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            canvas.pen.color = rgb(x, y, 7);
            line(canvas, {x, y}, {x + 1, y});
        }
    }
}

TEST(QtCanvasCopy, copiesPixelForPixelAndTouchesNothingElse) {
    QtCanvas source(20, 20);
    numberPixels(source);
    QtCanvas dest(30, 30);
    dest.copyRect({10, 12, 14, 17}, source, {2, 3, 6, 8});
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inside = x >= 10 && x < 14 && y >= 12 && y < 17;
            const TColor expected = inside ? rgb(x - 8, y - 9, 7) : colours::white;
            EXPECT_EQ(dest.pixel(x, y), expected) << x << "," << y;
        }
    }
}

struct ClippedCopyCase {
    const char* name;
    Rect dest;
    Rect source;
    Bounds expectedDest;  // where pixels land
    Point shift;          // source pixel = dest pixel + shift
};

class ClippedCopy : public testing::TestWithParam<ClippedCopyCase> {};

TEST_P(ClippedCopy, copiesOnlyWhatLiesInsideBothImages) {
    const ClippedCopyCase& example = GetParam();
    QtCanvas source(10, 10);
    numberPixels(source);
    QtCanvas dest(12, 12);
    dest.copyRect(example.dest, source, example.source);
    const Pixels copied = inked(dest);
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(boundsOf(copied), example.expectedDest);
    for (const auto& [x, y] : copied) {
        EXPECT_EQ(dest.pixel(x, y), rgb(x + example.shift.x, y + example.shift.y, 7));
    }
}

INSTANTIATE_TEST_SUITE_P(
    QtCanvas, ClippedCopy,
    testing::Values(
        ClippedCopyCase{
            "sourceStartsLeftOfTheImage", {0, 0, 6, 6}, {-3, 2, 3, 8}, {3, 0, 5, 5}, {-3, 2}},
        ClippedCopyCase{
            "sourceRunsOffTheBottom", {0, 0, 5, 5}, {4, 7, 9, 12}, {0, 0, 4, 2}, {4, 7}},
        ClippedCopyCase{
            "destStartsAboveTheImage", {2, -4, 7, 1}, {0, 0, 5, 5}, {2, 0, 6, 0}, {-2, 4}},
        ClippedCopyCase{
            "destRunsOffTheRight", {9, 9, 15, 15}, {0, 0, 6, 6}, {9, 9, 11, 11}, {-9, -9}},
        ClippedCopyCase{"sizesDisagree", {0, 0, 3, 8}, {1, 1, 9, 3}, {0, 0, 2, 1}, {1, 1}}),
    CaseName());

TEST(QtCanvasCopy, copiesNothingWhenEitherRectangleIsEmptyOrOutside) {
    QtCanvas source(10, 10);
    numberPixels(source);
    QtCanvas dest(10, 10);
    dest.copyRect({0, 0, 0, 5}, source, {0, 0, 0, 5});
    dest.copyRect({5, 5, 2, 2}, source, {5, 5, 2, 2});
    dest.copyRect({0, 0, 5, 5}, source, {20, 20, 25, 25});
    dest.copyRect({-9, -9, -4, -4}, source, {0, 0, 5, 5});
    EXPECT_TRUE(inked(dest).empty());
}

TEST(QtCanvasCopy, aCopyWithinOneCanvasReadsThePictureAsItWasBefore) {
    for (const Point shift : {Point{2, 3}, Point{-2, -3}, Point{3, 0}, Point{0, -1}}) {
        QtCanvas canvas(12, 12);
        numberPixels(canvas);
        canvas.copyRect({2 + shift.x, 3 + shift.y, 7 + shift.x, 8 + shift.y}, canvas, {2, 3, 7, 8});
        for (int y = 3; y < 8; ++y) {
            for (int x = 2; x < 7; ++x) {
                EXPECT_EQ(canvas.pixel(x + shift.x, y + shift.y), rgb(x, y, 7))
                    << "shift " << shift.x << "," << shift.y << " at " << x << "," << y;
            }
        }
    }
}

// A canvas of another kind, read pixel by pixel.
class CheckerCanvas : public RecordingCanvas {
  public:
    CheckerCanvas() : RecordingCanvas(6, 6) {}
    TColor pixel(int x, int y) const override {
        return (x + y) % 2 == 0 ? colours::red : colours::black;
    }
};

TEST(QtCanvasCopy, copiesFromAnyCanvasAndClipsToItsSize) {
    const CheckerCanvas source;
    QtCanvas dest(6, 4);
    dest.copyRect({1, 0, 6, 4}, source, {3, 3, 8, 7});
    EXPECT_EQ(picture(dest),
              ".r#r..\n"
              ".#r#..\n"
              ".r#r..\n"
              "......\n");
}

// --- Painter and pixels in turn ------------------------------------------------------------

void expectColours(const QtCanvas& canvas, const std::vector<std::pair<Point, TColor>>& expected) {
    for (const auto& [at, colour] : expected) {
        EXPECT_EQ(canvas.pixel(at.x, at.y), colour) << "pixel " << at.x << "," << at.y;
    }
}

TEST(QtCanvasPainting, eachPrimitivePaintsInItsOwnToolsOverTheOnesBeforeIt) {
    // Each primitive follows one that left the painter another outline or fill (a wide
    // rectangle's outline without a fill, a thin polygon's fill without an outline, text in
    // the font's colour), and pixels plotted directly and painted ones cover each other in
    // the order they were drawn.
    QtCanvas canvas(60, 20);
    canvas.pen = {colours::red, 2, PenStyle::Solid};
    canvas.brush = {colours::yellow, BrushStyle::Solid};
    canvas.rectangle(0, 0, 10, 10);
    canvas.ellipse(10, 0, 20, 10);
    canvas.pen.width = 1;
    const std::vector<Point> square{{20, 0}, {29, 0}, {29, 9}, {20, 9}};
    canvas.polygon(square);
    canvas.pen.width = 2;
    line(canvas, {30, 5}, {40, 5});
    canvas.font = {"", 10, false, colours::grey};
    canvas.textOut(40, 0, "x");
    line(canvas, {0, 15}, {60, 15});
    canvas.pen = {colours::black, 1, PenStyle::Solid};
    line(canvas, {50, 10}, {50, 20});
    canvas.ellipse(48, 13, 53, 18);
    expectColours(canvas, {{{15, 5}, colours::yellow},
                           {{15, 0}, colours::red},
                           {{25, 5}, colours::yellow},
                           {{35, 5}, colours::red},
                           {{45, 15}, colours::red},
                           {{50, 11}, colours::black},
                           {{50, 15}, colours::yellow}});
}

TEST(QtCanvasPainting, theClipOfAnArcOrEllipseDoesNotReachTheNextPrimitive) {
    for (const bool arcFirst : {true, false}) {
        QtCanvas canvas(30, 10);
        if (arcFirst) {
            canvas.arc(0, 0, 6, 6, 6, 3, 3, 0);
        } else {
            canvas.ellipse(0, 0, 6, 6);
        }
        canvas.pen = {colours::red, 2, PenStyle::Solid};
        line(canvas, {0, 8}, {30, 8});
        canvas.brush.color = colours::red;
        const std::vector<Point> triangle{{20, 0}, {28, 0}, {24, 6}};
        canvas.polygon(triangle);
        EXPECT_EQ(canvas.pixel(29, 8), colours::red) << arcFirst;
        EXPECT_EQ(canvas.pixel(24, 2), colours::red) << arcFirst;
    }
}

// --- Garbage coordinates -------------------------------------------------------------------

TEST(QtCanvasDeathTest, debugBuildsRefuseCoordinatesNoPictureCouldHave) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QtCanvas canvas(10, 10);
    EXPECT_DEBUG_DEATH(line(canvas, {0, 0}, {20'000'000, 5}), "Assertion");
    EXPECT_DEBUG_DEATH(canvas.ellipse(0, 0, -20'000'000, 5), "Assertion");
}

}  // namespace
