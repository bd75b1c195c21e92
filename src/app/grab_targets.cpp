// SPDX-License-Identifier: MIT
#include "app/grab_targets.h"

namespace {

// Squared, which orders distances as well as the distance does.
int squaredDistance(QPoint a, QPoint b) {
    const QPoint d = a - b;
    return d.x() * d.x() + d.y() * d.y();
}

bool takes(const GrabCandidate& handle, QPoint at) {
    return grabTargetAround(handle.shape).contains(at) ||
           (handle.alsoTakenAt && handle.alsoTakenAt(at));
}

}  // namespace

QRect grabTargetAround(const QRect& shape) {
    QRect target(0, 0, kGrabTargetSize, kGrabTargetSize);
    target.moveCenter(shape.center());
    return target;
}

std::optional<std::size_t> handleTakenAt(QPoint at, const std::vector<GrabCandidate>& handles) {
    std::optional<std::size_t> nearest;
    int nearestDistance = 0;
    for (std::size_t i = 0; i < handles.size(); ++i) {
        if (!takes(handles[i], at)) {
            continue;
        }
        const int distance = squaredDistance(at, handles[i].shape.center());
        if (!nearest || distance < nearestDistance) {
            nearest = i;
            nearestDistance = distance;
        }
    }
    return nearest;
}
