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

DashPattern patternOf(PenStyle style) {
    switch (style) {
        case PenStyle::Dot:
            return {1, 2};
        case PenStyle::Dash:
            return {6, 9};
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

}  // namespace

QtCanvas::QtCanvas(int width, int height)
    : image_(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32) {
    assert(width >= 0 && height >= 0);
    image_.fill(toQRgb(colours::white));
}

int QtCanvas::penWidth() const {
    return std::clamp(pen.width, 1, 3);
}

void QtCanvas::preparePainter(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen qtPen(QColor::fromRgb(toQRgb(pen.color)), penWidth(), Qt::SolidLine, Qt::FlatCap,
               Qt::MiterJoin);
    if (pen.style != PenStyle::Solid) {
        const DashPattern pattern = patternOf(pen.style);
        qtPen.setDashPattern(
            {static_cast<qreal>(pattern.on), static_cast<qreal>(pattern.period - pattern.on)});
    }
    painter.setPen(qtPen);
    if (brush.style == BrushStyle::Solid) {
        painter.setBrush(QColor::fromRgb(toQRgb(brush.color)));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
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
// that land on the image are walked, so a long line far outside costs nothing.
void QtCanvas::plotThinLine(Point from, Point to) {
    const std::int64_t dx = std::int64_t{to.x} - from.x;
    const std::int64_t dy = std::int64_t{to.y} - from.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int majorStart = xMajor ? from.x : from.y;
    const int minorStart = xMajor ? from.y : from.x;
    const std::int64_t major = std::abs(xMajor ? dx : dy);
    const std::int64_t minor = std::abs(xMajor ? dy : dx);
    if (major == 0) {
        return;
    }
    const int majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const int minorStep = (xMajor ? dy : dx) > 0 ? 1 : -1;
    const int majorSize = xMajor ? width() : height();
    const int minorSize = xMajor ? height() : width();

    std::int64_t first = 0;
    std::int64_t last = major - 1;  // the end pixel is left out
    if (majorStep > 0) {
        first = std::max<std::int64_t>(first, -majorStart);
        last = std::min<std::int64_t>(last, majorSize - 1 - majorStart);
    } else {
        first = std::max<std::int64_t>(first, majorStart - (majorSize - 1));
        last = std::min<std::int64_t>(last, majorStart);
    }
    if (first > last) {
        return;
    }

    // Step i's minor offset is floor((2 i minor + major - 1) / (2 major)); the remainder
    // carries it from step to step without a division.
    const std::int64_t twiceMajor = 2 * major;
    const std::int64_t twiceMinor = 2 * minor;
    const std::int64_t numerator = first * twiceMinor + major - 1;
    std::int64_t remainder = numerator % twiceMajor;
    auto minorAt = static_cast<int>(minorStart + minorStep * (numerator / twiceMajor));
    const auto majorAt = static_cast<int>(majorStart + majorStep * first);

    // Walk an index into the pixels; it is only read while the minor coordinate is on the
    // image, the major one always being so.
    const qsizetype stride = image_.bytesPerLine() / qsizetype{sizeof(QRgb)};
    const qsizetype majorStride = xMajor ? majorStep : majorStep * stride;
    const qsizetype minorStride = xMajor ? minorStep * stride : minorStep;
    qsizetype index =
        xMajor ? qsizetype{minorAt} * stride + majorAt : qsizetype{majorAt} * stride + minorAt;
    QRgb* const pixels = reinterpret_cast<QRgb*>(image_.bits());
    const QRgb colour = toQRgb(pen.color);
    const DashPattern pattern = patternOf(pen.style);
    auto phase = static_cast<int>(first % pattern.period);
    for (std::int64_t i = first; i <= last; ++i) {
        if (minorAt >= 0 && minorAt < minorSize && phase < pattern.on) {
            pixels[index] = colour;
        }
        index += majorStride;
        if (++phase == pattern.period) {
            phase = 0;
        }
        remainder += twiceMinor;
        if (remainder >= twiceMajor) {
            remainder -= twiceMajor;
            minorAt += minorStep;
            index += minorStride;
        }
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
    QPainter painter(&image_);
    preparePainter(painter);
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
    QPainter painter(&image_);
    preparePainter(painter);
    painter.setClipRect(QRect(box.left, box.top, box.width(), box.height()));
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
    QPainter painter(&image_);
    preparePainter(painter);
    painter.setBrush(Qt::NoBrush);
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
    QPainter painter(&image_);
    preparePainter(painter);
    if (penWidth() > 1) {
        painter.drawPolygon(centres);
        return;
    }
    if (brush.style == BrushStyle::Solid) {
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(centres);
    }
    painter.end();
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
    QPainter painter(&image_);
    preparePainter(painter);
    painter.setBrush(Qt::NoBrush);
    painter.setClipRect(QRect(box.left, box.top, box.width(), box.height()));
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
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(qtFont);
    if (brush.style == BrushStyle::Solid) {
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                         QColor::fromRgb(toQRgb(brush.color)));
    }
    painter.setPen(QColor::fromRgb(toQRgb(font.color)));
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

TColor QtCanvas::pixel(int x, int y) const {
    if (!image_.valid(x, y)) {
        return colours::black;
    }
    return fromQRgb(constScanLine(image_, y)[x]);
}

void QtCanvas::resize(int width, int height) {
    assert(width >= 0 && height >= 0);
    QImage resized(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    resized.fill(toQRgb(colours::white));
    const int columns = std::min(resized.width(), image_.width());
    const int rows = std::min(resized.height(), image_.height());
    for (int y = 0; y < rows; ++y) {
        std::memcpy(resized.scanLine(y), image_.constScanLine(y),
                    static_cast<std::size_t>(columns) * sizeof(QRgb));
    }
    image_ = std::move(resized);
}
