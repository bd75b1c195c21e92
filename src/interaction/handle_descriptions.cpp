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

// The name of a source handle, with what its first ray does at the device.
std::string sourceName(const std::string& source, const RayPath& ray) {
    if (ray.incidence) {
        //: A screen reader's name of a light source's handle; %2 is in degrees.
        return text::arg(text::translate("HandleNames", "Source %1, angle of incidence %2 degrees"),
                         {source, degreesText(*ray.incidence)});
    }
    return text::arg(
        ray.incidentAngle
            ? text::translate("HandleNames",
                              "Source %1, its ray meets the device before its aim point")
            : text::translate("HandleNames", "Source %1, it stands on its aim point"),
        {source});
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
                    return sourceName(source, ray);
                }
            }
            return text::arg(text::translate("HandleNames", "Source %1"), {source});
        case HandleRole::Aim:
            //: The handle where a source's ray is aimed.
            return text::arg(text::translate("HandleNames", "Aim point of source %1"), {source});
        case HandleRole::Middle:
            return text::arg(text::translate("HandleNames", "Middle of the ray of source %1"),
                             {source});
        default:
            return text::translate("HandleNames", "Centre of the device");
    }
}

std::string InteractionLayer::accessibleDescription(const Shape& handle) {
    switch (handleOf(handle).role) {
        case HandleRole::Source:
            return hints::sourceHandle();
        case HandleRole::Aim:
            return hints::aimHandle();
        case HandleRole::Middle:
            return hints::middleHandle();
        default:
            return hints::centreHandle();
    }
}
