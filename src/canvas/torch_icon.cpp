// SPDX-License-Identifier: MIT
#include "canvas/torch_icon.h"

#include <array>
#include <cmath>
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

}  // namespace

void drawTorchIcon(Canvas& canvas, Point lens, double direction, const TorchLook& look) {
    stroke(canvas, lens, polarPoint(lens, kBeamLength, direction + pi / 6 + pi / 60));
    stroke(canvas, lens, polarPoint(lens, kBeamLength, direction - pi / 6));

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
    canvas.brush.color = colours::white;
}
