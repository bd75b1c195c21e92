// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <optional>
#include <vector>

// Every drag handle is drawn 5 x 5 pixels, too small for a finger or a shaky hand; it can be
// taken anywhere in a square target 25 pixels wide centred on it (at least 24, and odd so
// that it centres on the handle's middle pixel).
inline constexpr int kGrabTargetSize = 25;

// One handle as the pointer finds it, in the coordinates of the panel the handles lie on.
struct GrabCandidate {
    QRect shape;
    // Whatever else takes the handle, such as the torch drawn around a light source; none
    // when the handle has nothing more.
    std::function<bool(QPoint)> alsoTakenAt;
};

// The target square around a handle's shape.
QRect grabTargetAround(const QRect& shape);

// The handle a press at `at` takes: of those whose target (or torch) holds it, the one whose
// centre is nearest; the earlier one on a tie. None when no target holds it.
std::optional<std::size_t> handleTakenAt(QPoint at, const std::vector<GrabCandidate>& handles);
