// SPDX-License-Identifier: MIT
// The handles as assistive technology names and describes them.
#include <cmath>
#include <numbers>
#include <string>

#include "controls/number_text.h"
#include "interaction/hints.h"
#include "interaction/interaction_layer.h"

namespace {

std::string degreesText(double radians) {
    return oneDecimalText(std::fabs(radians) * 180.0 / std::numbers::pi);
}

std::string rayDescription(const RayPath& ray) {
    if (ray.incidence) {
        return ", angle of incidence " + degreesText(*ray.incidence) + " degrees";
    }
    return ray.incidentAngle ? ", its ray meets the device before its aim point"
                             : ", it stands on its aim point";
}

}  // namespace

// A source is named with its first ray's angle of incidence, as the read-out gives it for
// source 1, so that a student who cannot see the bench can set a ray to an angle.
std::string InteractionLayer::accessibleName(const Shape& handle) const {
    const HandleOf which = handleOf(handle);
    const std::string source = std::to_string(which.source);
    switch (which.role) {
        case HandleRole::Source:
            for (const RayPath& ray : bench.tracedRays) {
                if (ray.source == which.source && ray.colour == 1 && ray.slit == 1) {
                    return "Source " + source + rayDescription(ray);
                }
            }
            return "Source " + source;
        case HandleRole::Aim:
            return "Aim point of source " + source;
        case HandleRole::Middle:
            return "Middle of the ray of source " + source;
        default:
            return "Centre of the device";
    }
}

std::string InteractionLayer::accessibleDescription(const Shape& handle) {
    switch (handleOf(handle).role) {
        case HandleRole::Source:
            return hints::kSourceHandle;
        case HandleRole::Aim:
            return hints::kAimHandle;
        case HandleRole::Middle:
            return hints::kMiddleHandle;
        default:
            return hints::kCentreHandle;
    }
}
