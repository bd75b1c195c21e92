// SPDX-License-Identifier: MIT
#include "measure/measuring_tool.h"
#include "controls/translation.h"

#include <cmath>
#include <numbers>

#include "canvas/screen_geometry.h"
#include "controls/number_text.h"

namespace {

constexpr double kPi = std::numbers::pi;

}  // namespace

// The bench's tools turn exactly as the practice window's ruler does.
double toolDirection(Point origin, Point p) {
    return rulerDirectionTowards(p, origin);
}

std::string lengthCaption(double units) {
    //: The measured length; %1 is in the ruler's units.
    return text::arg(text::translate("Measuring", "Distance = %1"),
                     {tenthsText(static_cast<long long>((units + 0.05) * 10.0))});
}

std::optional<std::string> angleCaption(double alpha) {
    if (!(alpha >= 0.0 && alpha <= kPi)) {
        return std::nullopt;
    }
    // The first angle carries one tenth more than its truncation; the supplement does not.
    const long long first = static_cast<long long>(alpha * 1800.0 / kPi) + 1;
    const long long second = static_cast<long long>((kPi - alpha) * 1800.0 / kPi);
    //: The measured angle and its supplement, both in degrees.
    return text::arg(text::translate("Measuring", "Angles are %1 Degrees or %2 Degrees."),
                     {tenthsText(first), tenthsText(second)});
}

void drawRuler(Canvas& canvas, Point origin, Point mouse, double theta, double scalePixels) {
    const double across = theta + kPi / 2;
    strokeLine(canvas, origin, polarPoint(origin, -800, theta));
    for (int i = 1; i <= 36; ++i) {
        const double d = i * scalePixels / 4;
        const double alongX = -d * std::cos(theta);
        const double alongY = -d * std::sin(theta);
        const double halfX = 5 * std::cos(across);
        const double halfY = 5 * std::sin(across);
        canvas.pen.width = i % 4 == 0 ? 3 : 1;
        strokeLine(canvas, offsetPoint(origin, alongX - halfX, alongY - halfY),
                   offsetPoint(origin, alongX + halfX, alongY + halfY));
    }
    canvas.pen = {colours::black, 2, PenStyle::Solid};
    for (const Point at : {mouse, origin}) {
        strokeLine(canvas, polarPoint(at, 15, across), polarPoint(at, -15, across));
    }
    canvas.pen.width = 1;
}

void drawProtractor(Canvas& canvas, Point origin, double theta) {
    const double across = theta + kPi / 2;
    strokeLine(canvas, polarPoint(origin, 10, across), polarPoint(origin, -10, across));
    // Counter-clockwise on the screen from theta + pi back to theta: the half on the side
    // of theta + pi/2.
    for (const int radius : {100, 30}) {
        const Point start = polarPoint(origin, -radius, theta);
        const Point end = polarPoint(origin, radius, theta);
        canvas.arc(origin.x - radius, origin.y - radius, origin.x + radius, origin.y + radius,
                   start.x, start.y, end.x, end.y);
    }
    for (int k = 0; k <= 12; ++k) {
        const double direction = theta + k * kPi / 12;
        strokeLine(canvas, polarPoint(origin, 30, direction), polarPoint(origin, 100, direction));
    }
}

void drawBaseLine(Canvas& canvas, Point origin, double theta) {
    strokeLine(canvas, polarPoint(origin, 30, theta), polarPoint(origin, -30, theta));
}

void drawSecondArm(Canvas& canvas, Point origin, double phi) {
    canvas.pen = {colours::black, 2, PenStyle::Solid};
    strokeLine(canvas, origin, polarPoint(origin, -100, phi));
    canvas.pen = {colours::grey, 1, PenStyle::Solid};
}
