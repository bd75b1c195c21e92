// SPDX-License-Identifier: MIT
#include "canvas/qt_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <optional>
#include <vector>

#include "canvas/pixel.h"

QRgb toQRgb(TColor colour) {
    return qRgb(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                static_cast<int>(colour >> 16 & 0xFF));
}

TColor fromQRgb(QRgb rgb) {
    return ::rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

namespace {

constexpr int kCoordinateLimit = static_cast<int>(kPixelLimit);

// No picture is ten million pixels across: such a coordinate is garbage from upstream (a NaN
// or an overflow). Debug builds stop on it; release builds keep it in a range the integer
// arithmetic below cannot overflow.
int plausible(int coordinate) {
    assert(coordinate >= -kCoordinateLimit && coordinate <= kCoordinateLimit);
    return std::clamp(coordinate, -kCoordinateLimit, kCoordinateLimit);
}

Point plausible(Point point) {
    return {plausible(point.x), plausible(point.y)};
}

// The box of an ellipse, rectangle or arc, whichever corners the caller named first.
Rect boxOf(int left, int top, int right, int bottom) {
    left = plausible(left);
    top = plausible(top);
    right = plausible(right);
    bottom = plausible(bottom);
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

bool isEmpty(const Rect& box) {
    return box.width() <= 0 || box.height() <= 0;
}

// A pen pattern counted in steps along the line, in units of the pen width.
struct DashPattern {
    int on = 1;
    int period = 1;
};

constexpr DashPattern kDot{1, 2};
constexpr DashPattern kDash{6, 9};

DashPattern patternOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dot:
            return kDot;
        case PenStyle::Dash:
            return kDash;
        case PenStyle::Solid:
            break;
    }
    return {};
}

QRgb* scanLine(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

const QRgb* constScanLine(const QImage& image, int y) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(y));
}

// Clips one axis of a copy: the run starting at source and dest, length pixels long, must
// lie inside both images.
void clipRun(int& source, int& dest, int& length, int sourceSize, int destSize) {
    const int lead = std::max({0, -source, -dest});
    source += lead;
    dest += lead;
    length = std::min({length - lead, sourceSize - source, destSize - dest});
}

// The wedge from centre between two directions (radians, counter-clockwise on the screen),
// reaching radius far: each piece's chord stays well beyond anything inside radius / 2.
QPainterPath sector(QPointF centre, double radius, double start, double span) {
    constexpr double kLargestPiece = std::numbers::pi / 4.0;
    const int pieces = std::max(1, static_cast<int>(std::ceil(span / kLargestPiece)));
    QPolygonF corners{centre};
    for (int piece = 0; piece <= pieces; ++piece) {
        const double angle = start + span * piece / pieces;
        corners << centre + radius * QPointF(std::cos(angle), -std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(corners);
    path.closeSubpath();
    return path;
}

// A thin line as Bresenham walks it, from its start: one step along the major axis each,
// the minor coordinate moving by minorStep now and then.
struct ThinLineWalk {
    bool xMajor = true;
    int majorStart = 0;
    int minorStart = 0;
    std::int64_t major = 0;  // steps in the whole line, end pixel included
    std::int64_t minor = 0;
    int majorStep = 1;
    int minorStep = 1;
};

// Steps first..last of a walk, both included.
struct StepRange {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

// a / b rounded down and up, for b > 0 and either sign of a.
std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) {
    return -floorDiv(-a, b);
}

ThinLineWalk thinLineWalk(Point from, Point to) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    ThinLineWalk walk;
    walk.xMajor = std::abs(dx) >= std::abs(dy);
    walk.majorStart = walk.xMajor ? from.x : from.y;
    walk.minorStart = walk.xMajor ? from.y : from.x;
    walk.major = std::abs(walk.xMajor ? dx : dy);
    walk.minor = std::abs(walk.xMajor ? dy : dx);
    walk.majorStep = (walk.xMajor ? dx : dy) > 0 ? 1 : -1;
    walk.minorStep = (walk.xMajor ? dy : dx) > 0 ? 1 : -1;
    return walk;
}

// Step i lands on major coordinate majorStart + majorStep i and on minor offset
// floor((2 i minor + major - 1) / (2 major)) from minorStart, an offset that never falls as
// i grows. So the steps on the image are one run: the major axis bounds it directly, the
// minor axis through the first step whose offset reaches the image and the last one whose
// offset has not yet left it, both found by turning the rounding rule around.
std::optional<StepRange> stepsOnImage(const ThinLineWalk& walk, int width, int height) {
    const std::int64_t majorSize = walk.xMajor ? width : height;
    const std::int64_t minorSize = walk.xMajor ? height : width;
    StepRange steps{0, walk.major - 1};  // the end pixel is left out
    if (walk.majorStep > 0) {
        steps.first = std::max(steps.first, -std::int64_t{walk.majorStart});
        steps.last = std::min(steps.last, majorSize - 1 - walk.majorStart);
    } else {
        steps.first = std::max(steps.first, walk.majorStart - (majorSize - 1));
        steps.last = std::min(steps.last, std::int64_t{walk.majorStart});
    }

    // The offsets that keep the minor coordinate on the image.
    const std::int64_t lowestOffset =
        walk.minorStep > 0 ? -std::int64_t{walk.minorStart} : walk.minorStart - (minorSize - 1);
    const std::int64_t highestOffset =
        walk.minorStep > 0 ? minorSize - 1 - walk.minorStart : std::int64_t{walk.minorStart};
    if (highestOffset < 0 || lowestOffset > highestOffset) {
        return std::nullopt;
    }
    if (walk.minor == 0) {
        if (lowestOffset > 0) {
            return std::nullopt;
        }
    } else {
        // offset(i) >= k exactly when 2 i minor >= 2 major k - major + 1, and
        // offset(i) <= k exactly when 2 i minor <= major (2 k + 1).
        if (lowestOffset > 0) {
            steps.first =
                std::max(steps.first,
                         ceilDiv(2 * walk.major * lowestOffset - walk.major + 1, 2 * walk.minor));
        }
        steps.last =
            std::min(steps.last, floorDiv(walk.major * (2 * highestOffset + 1), 2 * walk.minor));
    }
    if (steps.first > steps.last) {
        return std::nullopt;
    }
    return steps;
}

// Walks a line's pixels from one of its steps on: the remainder carries the minor offset
// floor((2 i minor + major - 1) / (2 major)) from step to step without a division.
class Walker {
  public:
    Walker(QImage& image, const ThinLineWalk& walk, std::int64_t first, QRgb colour)
        : pixels_(reinterpret_cast<QRgb*>(image.bits())),
          twiceMajor_(2 * walk.major),
          twiceMinor_(2 * walk.minor),
          colour_(colour) {
        const std::int64_t numerator = first * twiceMinor_ + walk.major - 1;
        const auto majorAt = static_cast<int>(walk.majorStart + walk.majorStep * first);
        const auto minorAt =
            static_cast<int>(walk.minorStart + walk.minorStep * (numerator / twiceMajor_));
        const qsizetype stride = image.bytesPerLine() / qsizetype{sizeof(QRgb)};
        remainder_ = numerator % twiceMajor_;
        index_ = walk.xMajor ? qsizetype{minorAt} * stride + majorAt
                             : qsizetype{majorAt} * stride + minorAt;
        majorStride_ = walk.xMajor ? walk.majorStep : walk.majorStep * stride;
        minorStride_ = walk.xMajor ? walk.minorStep * stride : walk.minorStep;
    }

    void plot() const { pixels_[index_] = colour_; }
    void step() {
        index_ += majorStride_;
        remainder_ += twiceMinor_;
        if (remainder_ >= twiceMajor_) {
            remainder_ -= twiceMajor_;
            index_ += minorStride_;
        }
    }

  private:
    QRgb* pixels_;
    std::int64_t twiceMajor_;
    std::int64_t twiceMinor_;
    QRgb colour_;
    std::int64_t remainder_ = 0;
    qsizetype index_ = 0;
    qsizetype majorStride_ = 0;
    qsizetype minorStride_ = 0;
};

// Every step of the range lies on the image: the loop checks nothing.
void plotSolidSteps(QImage& image, const ThinLineWalk& walk, StepRange steps, QRgb colour) {
    Walker walker(image, walk, steps.first, colour);
    for (std::int64_t i = steps.first; i <= steps.last; ++i) {
        walker.plot();
        walker.step();
    }
}

// The pattern is counted from the line's own start, so that a line clipped at an edge has
// its dots where the whole line would have them. Whole periods go in one unrolled piece;
// only the ends of the range count their phase step by step.
template <int kOn, int kPeriod>
void plotPatternedSteps(QImage& image, const ThinLineWalk& walk, StepRange steps, QRgb colour) {
    Walker walker(image, walk, steps.first, colour);
    std::int64_t i = steps.first;
    auto phase = static_cast<int>(i % kPeriod);
    const auto partStep = [&] {
        if (phase < kOn) {
            walker.plot();
        }
        walker.step();
        ++i;
        phase = phase + 1 == kPeriod ? 0 : phase + 1;
    };
    while (i <= steps.last && phase != 0) {
        partStep();
    }
    for (; steps.last - i + 1 >= kPeriod; i += kPeriod) {
        for (int k = 0; k < kOn; ++k) {
            walker.plot();
            walker.step();
        }
        for (int k = kOn; k < kPeriod; ++k) {
            walker.step();
        }
    }
    while (i <= steps.last) {
        partStep();
    }
}

}  // namespace

QtCanvas::QtCanvas(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
    assert(width >= 0 && height >= 0);
    image_.fill(toQRgb(colours::white));
}

QtCanvas::~QtCanvas() = default;

const QImage& QtCanvas::image() const {
    endPainting();
    return image_;
}

void QtCanvas::endPainting() const {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

QPainter& QtCanvas::painter(const std::optional<Pen>& outline, const Brush& fill) {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>();
    }
    if (!painter_->isActive()) {
        painter_->begin(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        tools_ = {};
    }
    if (tools_.clipped) {
        painter_->setClipping(false);
        tools_.clipped = false;
    }
    // A run of primitives in one pen and brush sets them once: setting them again costs
    // more than many a primitive.
    if (!tools_.known || tools_.outline != outline) {
        painter_->setPen(outline ? qtPenOf(*outline) : QPen(Qt::NoPen));
    }
    if (!tools_.known || tools_.fill != fill) {
        if (fill.style == BrushStyle::Solid) {
            painter_->setBrush(QColor::fromRgb(toQRgb(fill.color)));
        } else {
            painter_->setBrush(Qt::NoBrush);
        }
    }
    tools_.known = true;
    tools_.outline = outline;
    tools_.fill = fill;
    return *painter_;
}

void QtCanvas::clipPainter(const QRect& box) {
    painter_->setClipRect(box);
    tools_.clipped = true;
}

int QtCanvas::penWidth() const {
    return std::clamp(pen.width, 1, 3);
}

QPen QtCanvas::qtPenOf(const Pen& outline) {
    QPen qtPen(QColor::fromRgb(toQRgb(outline.color)), std::clamp(outline.width, 1, 3),
               Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (outline.style != PenStyle::Solid) {
        const DashPattern pattern = patternOf(outline.style);
        qtPen.setDashPattern(
            {static_cast<qreal>(pattern.on), static_cast<qreal>(pattern.period - pattern.on)});
    }
    return qtPen;
}

QRectF QtCanvas::outlineRect(const Rect& box) const {
    const int width = penWidth();
    // Qt puts a one-pixel pen's pixels right of and below the path; a wider pen straddles it.
    if (width == 1) {
        return QRectF(box.left, box.top, box.width() - 1, box.height() - 1);
    }
    const qreal half = width / 2.0;
    return QRectF(box.left + half, box.top + half, box.width() - width, box.height() - width);
}

void QtCanvas::drawLine(Point from, Point to) {
    from = plausible(from);
    to = plausible(to);
    if (from == to || image_.isNull()) {
        return;
    }
    if (penWidth() == 1) {
        plotThinLine(from, to);
    } else {
        strokeWideLine(from, to);
    }
}

// Bresenham's line: one pixel for each step along the major axis, the minor coordinate
// rounded to the nearest pixel, an exact tie staying on the start's side. Only the steps
// that land on the image, on both axes, are walked: a ray leaving through the top or the
// bottom costs nothing beyond that edge.
void QtCanvas::plotThinLine(Point from, Point to) {
    const ThinLineWalk walk = thinLineWalk(from, to);
    if (walk.major == 0) {
        return;
    }
    const std::optional<StepRange> steps = stepsOnImage(walk, width(), height());
    if (!steps) {
        return;
    }
    const QRgb colour = toQRgb(pen.color);
    switch (pen.style) {
        case PenStyle::Solid:
            plotSolidSteps(image_, walk, *steps, colour);
            break;
        case PenStyle::Dot:
            plotPatternedSteps<kDot.on, kDot.period>(image_, walk, *steps, colour);
            break;
        case PenStyle::Dash:
            plotPatternedSteps<kDash.on, kDash.period>(image_, walk, *steps, colour);
            break;
    }
}

void QtCanvas::strokeWideLine(Point from, Point to) {
    // Through the pixel centres, pulled back half a pixel along the line, so that the flat
    // caps cover the start pixel and stop short of the end pixel.
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    const double backX = 0.5 - 0.5 * dx / length;
    const double backY = 0.5 - 0.5 * dy / length;
    QPainter& painter = this->painter(pen, brush);
    painter.drawLine(QPointF(from.x + backX, from.y + backY), QPointF(to.x + backX, to.y + backY));
}

void QtCanvas::fillBox(const Rect& box, QRgb colour) {
    const int left = std::max(box.left, 0);
    const int right = std::min(box.right, width());
    const int top = std::max(box.top, 0);
    const int bottom = std::min(box.bottom, height());
    if (left >= right) {
        return;
    }
    for (int y = top; y < bottom; ++y) {
        QRgb* line = scanLine(image_, y);
        std::fill(line + left, line + right, colour);
    }
}

void QtCanvas::ellipse(int left, int top, int right, int bottom) {
    const Rect box = boxOf(left, top, right, bottom);
    if (isEmpty(box) || image_.isNull()) {
        return;
    }
    QPainter& painter = this->painter(pen, brush);
    clipPainter(QRect(box.left, box.top, box.width(), box.height()));
    painter.drawEllipse(outlineRect(box));
}

void QtCanvas::rectangle(int left, int top, int right, int bottom) {
    const Rect box = boxOf(left, top, right, bottom);
    if (isEmpty(box) || image_.isNull()) {
        return;
    }
    if (brush.style == BrushStyle::Solid) {
        fillBox(box, toQRgb(brush.color));
    }
    const int width = penWidth();
    if (box.width() <= 2 * width - 1 || box.height() <= 2 * width - 1) {
        // The pen's sides meet: nothing of the inside would show between them.
        fillBox(box, toQRgb(pen.color));
        return;
    }
    if (width == 1) {
        const Point corners[] = {{box.left, box.top},
                                 {box.right - 1, box.top},
                                 {box.right - 1, box.bottom - 1},
                                 {box.left, box.bottom - 1}};
        for (int i = 0; i < 4; ++i) {
            plotThinLine(corners[i], corners[(i + 1) % 4]);
        }
        return;
    }
    QPainter& painter = this->painter(pen, Brush{brush.color, BrushStyle::Clear});
    painter.drawRect(outlineRect(box));
}

void QtCanvas::polygon(std::span<const Point> points) {
    if (points.empty() || image_.isNull()) {
        return;
    }
    std::vector<Point> corners;
    QPolygonF centres;
    for (const Point& point : points) {
        corners.push_back(plausible(point));
        centres << QPointF(corners.back().x + 0.5, corners.back().y + 0.5);
    }
    // Filled through the pixel centres of the corners, so that the fill meets the outline
    // without a gap on any side.
    if (penWidth() > 1) {
        painter(pen, brush).drawPolygon(centres);
        return;
    }
    if (brush.style == BrushStyle::Solid) {
        painter(std::nullopt, brush).drawPolygon(centres);
    }
    for (std::size_t i = 0; i < corners.size(); ++i) {
        plotThinLine(corners[i], corners[(i + 1) % corners.size()]);
    }
}

void QtCanvas::arc(int left, int top, int right, int bottom, int startX, int startY, int endX,
                   int endY) {
    const Rect box = boxOf(left, top, right, bottom);
    if (isEmpty(box) || image_.isNull()) {
        return;
    }
    // Radials from the centre of the box, in half pixels so that they stay integers, with y
    // turned upward so that counter-clockwise on the screen is the positive sense. A point
    // on the centre itself gives no direction; it counts as east.
    const std::int64_t twiceCentreX = std::int64_t{box.left} + box.right - 1;
    const std::int64_t twiceCentreY = std::int64_t{box.top} + box.bottom - 1;
    auto radial = [&](int x, int y) {
        const std::int64_t rx = 2 * std::int64_t{plausible(x)} - twiceCentreX;
        const std::int64_t ry = twiceCentreY - 2 * std::int64_t{plausible(y)};
        return rx == 0 && ry == 0 ? std::pair<std::int64_t, std::int64_t>{1, 0} : std::pair{rx, ry};
    };
    const auto [startRx, startRy] = radial(startX, startY);
    const auto [endRx, endRy] = radial(endX, endY);

    const bool sameRadial =
        startRx * endRy == startRy * endRx && startRx * endRx + startRy * endRy > 0;
    const double start = std::atan2(static_cast<double>(startRy), static_cast<double>(startRx));
    double span = std::atan2(static_cast<double>(endRy), static_cast<double>(endRx)) - start;
    if (span <= 0.0) {
        span += 2.0 * std::numbers::pi;
    }

    // The arc is the ellipse's own outline seen through a sector between the two radials,
    // so that it has exactly the pixels ellipse() would draw there.
    QPainter& painter = this->painter(pen, Brush{brush.color, BrushStyle::Clear});
    clipPainter(QRect(box.left, box.top, box.width(), box.height()));
    if (!sameRadial) {
        const QPointF centre((box.left + box.right) / 2.0, (box.top + box.bottom) / 2.0);
        painter.setClipPath(sector(centre, box.width() + box.height(), start, span),
                            Qt::IntersectClip);
    }
    painter.drawEllipse(outlineRect(box));
}

void QtCanvas::textOut(int x, int y, const std::string& text) {
    x = plausible(x);
    y = plausible(y);
    if (text.empty() || image_.isNull()) {
        return;
    }
    QFont qtFont;
    if (!font.family.empty()) {
        qtFont.setFamily(QString::fromStdString(font.family));
    }
    if (font.pixelSize > 0) {
        qtFont.setPixelSize(font.pixelSize);
    }
    qtFont.setBold(font.bold);
    // Glyphs in the font colour only: a smoothed edge would bring in colours that flood fill
    // and pixel reads do not expect.
    qtFont.setStyleStrategy(QFont::NoAntialias);

    const QString string = QString::fromStdString(text);
    const QFontMetrics metrics(qtFont);
    QPainter& painter = this->painter(pen, brush);
    painter.setFont(qtFont);
    if (brush.style == BrushStyle::Solid) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                         QColor::fromRgb(toQRgb(brush.color)));
    }
    painter.setPen(QColor::fromRgb(toQRgb(font.color)));
    tools_.known = false;
    painter.drawText(QPointF(x, y + metrics.ascent()), string);
}

// A scanline fill: each step paints one whole run of a row and stacks the first pixel of
// every open run just above and below it. Painted pixels are marked, so the fill ends even
// when the brush colour is the colour it fills over. A pixel is stacked at most twice (from
// the run above it and the run below), so memory stays within a few times the image's size
// however the region winds.
void QtCanvas::floodFill(int x, int y, TColor border) {
    x = plausible(x);
    y = plausible(y);
    if (!image_.valid(x, y) || brush.style == BrushStyle::Clear) {
        return;
    }
    const int w = width();
    const int h = height();
    const QRgb edge = toQRgb(border) & RGB_MASK;
    const QRgb paint = toQRgb(brush.color);
    std::vector<std::uint8_t> painted(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    auto isOpen = [&](const QRgb* row, int px, int py) {
        return painted[static_cast<std::size_t>(py) * w + px] == 0 && (row[px] & RGB_MASK) != edge;
    };

    std::vector<Point> seeds{{x, y}};
    while (!seeds.empty()) {
        const Point seed = seeds.back();
        seeds.pop_back();
        QRgb* row = scanLine(image_, seed.y);
        if (!isOpen(row, seed.x, seed.y)) {
            continue;
        }
        int runLeft = seed.x;
        while (runLeft > 0 && isOpen(row, runLeft - 1, seed.y)) {
            --runLeft;
        }
        int runRight = seed.x;
        while (runRight + 1 < w && isOpen(row, runRight + 1, seed.y)) {
            ++runRight;
        }
        std::fill(row + runLeft, row + runRight + 1, paint);
        std::fill_n(painted.begin() + static_cast<std::ptrdiff_t>(seed.y) * w + runLeft,
                    runRight - runLeft + 1, std::uint8_t{1});

        for (const int ny : {seed.y - 1, seed.y + 1}) {
            if (ny < 0 || ny >= h) {
                continue;
            }
            const QRgb* neighbour = constScanLine(image_, ny);
            bool inRun = false;
            for (int nx = runLeft; nx <= runRight; ++nx) {
                const bool open = isOpen(neighbour, nx, ny);
                if (open && !inRun) {
                    seeds.push_back({nx, ny});
                }
                inRun = open;
            }
        }
    }
}

void QtCanvas::copyRect(const Rect& destRect, const Canvas& source, const Rect& sourceRect) {
    const Rect dest = {plausible(destRect.left), plausible(destRect.top), plausible(destRect.right),
                       plausible(destRect.bottom)};
    const Rect from = {plausible(sourceRect.left), plausible(sourceRect.top),
                       plausible(sourceRect.right), plausible(sourceRect.bottom)};
    // The rectangles should agree in size; if they do not, neither is overstepped.
    int columns = std::min(dest.width(), from.width());
    int rows = std::min(dest.height(), from.height());
    int sourceX = from.left;
    int sourceY = from.top;
    int destX = dest.left;
    int destY = dest.top;
    clipRun(sourceX, destX, columns, source.width(), width());
    clipRun(sourceY, destY, rows, source.height(), height());
    if (columns <= 0 || rows <= 0) {
        return;
    }

    const auto* qtSource = dynamic_cast<const QtCanvas*>(&source);
    if (qtSource == nullptr) {
        for (int row = 0; row < rows; ++row) {
            QRgb* line = scanLine(image_, destY + row);
            for (int column = 0; column < columns; ++column) {
                line[destX + column] = toQRgb(source.pixel(sourceX + column, sourceY + row));
            }
        }
        return;
    }
    // Copying within one canvas: walk the rows away from the overlap.
    const bool upward = qtSource == this && destY > sourceY;
    const auto bytes = static_cast<std::size_t>(columns) * sizeof(QRgb);
    for (int step = 0; step < rows; ++step) {
        const int row = upward ? rows - 1 - step : step;
        std::memmove(scanLine(image_, destY + row) + destX,
                     constScanLine(qtSource->image_, sourceY + row) + sourceX, bytes);
    }
}

void QtCanvas::drawFigure(const FigureKey& key, const FigureDrawing& draw) {
    if (image_.isNull()) {
        return;
    }
    FigureStamps::Entry* const entry = stamps_.find(key);
    if (entry == nullptr) {
        stamps_.remember(key);
        Canvas::drawFigure(key, draw);
        return;
    }
    if (!entry->stamp) {
        entry->stamp = captureFigure(key, draw);
    }
    entry->stamp->applyTo(image_);
}

Stamp QtCanvas::captureFigure(const FigureKey& key, const FigureDrawing& draw) {
    if (!scratch_ || scratch_->width() != width() || scratch_->height() != height()) {
        scratch_ = std::make_unique<QtCanvas>(width(), height());
    }
    QtCanvas& scratch = *scratch_;
    const Rect box{std::max(key.bounds.left, 0), std::max(key.bounds.top, 0),
                   std::min(key.bounds.right, width()), std::min(key.bounds.bottom, height())};
    if (isEmpty(box)) {
        return {};
    }
    const auto drawOver = [&](QRgb background) {
        scratch.fillBox(box, background);
        scratch.pen = pen;
        scratch.brush = brush;
        scratch.font = font;
        scratch.moveTo(penPos().x, penPos().y);
        draw(scratch);
    };
    // Black and white differ in every channel, so no pixel of the figure can match both.
    drawOver(qRgb(0, 0, 0));
    const QImage overBlack =
        scratch.image_.copy(QRect(box.left, box.top, box.width(), box.height()));
    drawOver(qRgb(255, 255, 255));
    return Stamp::ofAgreement(overBlack, scratch.image_, box);
}

TColor QtCanvas::pixel(int x, int y) const {
    if (!image_.valid(x, y)) {
        return colours::black;
    }
    return fromQRgb(constScanLine(image_, y)[x]);
}

void QtCanvas::resize(int width, int height) {
    assert(width >= 0 && height >= 0);
    endPainting();
    QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    resized.fill(toQRgb(colours::white));
    const int columns = std::min(resized.width(), image_.width());
    const int rows = std::min(resized.height(), image_.height());
    for (int y = 0; y < rows; ++y) {
        std::memcpy(resized.scanLine(y), image_.constScanLine(y),
                    static_cast<std::size_t>(columns) * sizeof(QRgb));
    }
    image_ = std::move(resized);
    // A kept figure is clipped to the size it was drawn on.
    stamps_.clear();
}
