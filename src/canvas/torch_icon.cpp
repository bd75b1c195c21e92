// SPDX-License-Identifier: MIT
#include "canvas/torch_icon.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "canvas/screen_geometry.h"

using std::numbers::pi;

namespace {

// The torch's outline in its own frame: x forward along the beam, y across it (down).
constexpr std::array<Point, 8> kTorchOutline{
    {{0, 10}, {-8, 8}, {-8, 5}, {-25, 5}, {-25, -5}, {-8, -5}, {-8, -8}, {0, -10}}};
constexpr std::size_t kUpperKnob = 2;
constexpr std::size_t kLowerKnob = 5;
constexpr double kBeamLength = 15;
constexpr int kLensBefore = 9;
constexpr int kLensAfter = 8;
constexpr int kKnobRadius = 3;
constexpr double kCapDistance = 25;
constexpr int kCapRadius = 5;
constexpr double kArrowTip = 40;
constexpr double kArrowBase = 30;
// The body's half width across the beam, from the outline's widest corners.
constexpr double kBodyHalfWidth = 10;
constexpr double kCornerPlay = 1;
// How far from the lens a torch can reach: the arrowhead's tip with the widest pen's miter.
constexpr int kTorchReach = 48;

// Each corner is placed by its polar form about the lens, so a corner may land a pixel off
// its frame point once turned: the polar form, not the frame, decides.
Point torchPoint(Point lens, double direction, Point local) {
    const double radius = std::sqrt(static_cast<double>(local.x * local.x + local.y * local.y));
    const double bearing = std::atan2(static_cast<double>(local.y), static_cast<double>(local.x));
    return polarPoint(lens, radius, direction + bearing);
}

void disc(Canvas& canvas, Point centre, int radius) {
    canvas.ellipse(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
}

void stroke(Canvas& canvas, Point from, Point to) {
    canvas.moveTo(from.x, from.y);
    canvas.lineTo(to.x, to.y);
}

Point upperBeamEnd(Point lens, double direction) {
    return polarPoint(lens, kBeamLength, direction - pi / 6);
}

void drawTorch(Canvas& canvas, Point lens, double direction, const TorchLook& look) {
    stroke(canvas, lens, polarPoint(lens, kBeamLength, direction + pi / 6 + pi / 60));
    stroke(canvas, lens, upperBeamEnd(lens, direction));

    canvas.pen.color = colours::black;
    canvas.brush = Brush{colours::yellow, BrushStyle::Solid};
    canvas.ellipse(lens.x - kLensBefore, lens.y - kLensBefore, lens.x + kLensAfter,
                   lens.y + kLensAfter);

    if (look.body) {
        std::array<Point, kTorchOutline.size()> outline;
        for (std::size_t i = 0; i < outline.size(); ++i) {
            outline[i] = torchPoint(lens, direction, kTorchOutline[i]);
        }
        canvas.brush = Brush{colours::black, BrushStyle::Solid};
        disc(canvas, outline[kUpperKnob], kKnobRadius);
        disc(canvas, outline[kLowerKnob], kKnobRadius);
        disc(canvas, polarPoint(lens, -kCapDistance, direction), kCapRadius);
        canvas.polygon(outline);

        canvas.brush = Brush{look.arrow, BrushStyle::Solid};
        canvas.pen.color = look.arrow;
        const std::array<Point, 4> arrowhead{polarPoint(lens, kArrowTip, direction),
                                             polarPoint(lens, kArrowBase, direction - pi / 19),
                                             polarPoint(lens, kArrowBase, direction + pi / 20),
                                             polarPoint(lens, kArrowTip, direction)};
        canvas.polygon(arrowhead);
    }
}

// Everything that shapes a torch's pixels: its place, its direction, its look and the pen
// the beam strokes are drawn in (whose width and style the outlines keep).
FigureKey torchKey(Point lens, double direction, const TorchLook& look, const Pen& pen) {
    const std::uint64_t variant = std::uint64_t{look.arrow} << 1 | (look.body ? 1u : 0u);
    const Rect bounds{lens.x - kTorchReach, lens.y - kTorchReach, lens.x + kTorchReach + 1,
                      lens.y + kTorchReach + 1};
    return {FigureKind::Torch, lens, direction, variant, pen, bounds};
}

}  // namespace

void drawTorchIcon(Canvas& canvas, Point lens, double direction, const TorchLook& look) {
    canvas.drawFigure(torchKey(lens, direction, look, canvas.pen),
                      [&](Canvas& target) { drawTorch(target, lens, direction, look); });
    // The canvas as drawing the torch leaves it, which is what the drawing after it finds:
    // at the end of the upper beam stroke, the pen in the arrow's colour (black without a
    // body) and a solid white brush.
    const Point beamEnd = upperBeamEnd(lens, direction);
    canvas.moveTo(beamEnd.x, beamEnd.y);
    canvas.pen.color = look.body ? look.arrow : colours::black;
    canvas.brush = Brush{colours::white, BrushStyle::Solid};
}

bool torchCovers(Point lens, double direction, const TorchLook& look, Point at) {
    // The lens's box runs from kLensBefore before the lens point to kLensAfter after it.
    const double lensCentre = (kLensAfter - kLensBefore) / 2.0;
    const double lensRadius = (kLensBefore + kLensAfter + 1) / 2.0;
    const double fromLensX = at.x - (lens.x + lensCentre);
    const double fromLensY = at.y - (lens.y + lensCentre);
    if (fromLensX * fromLensX + fromLensY * fromLensY <= lensRadius * lensRadius) {
        return true;
    }
    if (!look.body) {
        return false;
    }
    // In the torch's own frame, forward along the beam and across it; the corners, placed
    // by their polar form, may land a pixel outside the frame's outline.
    const double dx = at.x - lens.x;
    const double dy = at.y - lens.y;
    const double forward = dx * std::cos(direction) + dy * std::sin(direction);
    const double across = -dx * std::sin(direction) + dy * std::cos(direction);
    return forward <= kCornerPlay && forward >= -(kCapDistance + kCapRadius + kCornerPlay) &&
           std::abs(across) <= kBodyHalfWidth + kCornerPlay;
}
