// SPDX-License-Identifier: MIT
#include "app/display_check.h"

#include <algorithm>
#include <vector>

namespace {

// The platforms Qt will try, in its order, each without its options ("xcb:nograb" is xcb).
std::vector<std::string> platformsTried(const EnvironmentVariable& variable) {
    std::vector<std::string> platforms;
    const std::string chosen = variable("QT_QPA_PLATFORM");
    size_t start = 0;
    while (start <= chosen.size()) {
        const size_t end = std::min(chosen.find(';', start), chosen.size());
        const std::string entry = chosen.substr(start, end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        if (!name.empty()) {
            platforms.push_back(name);
        }
        start = end + 1;
    }
    if (platforms.empty()) {
        if (variable("XDG_SESSION_TYPE") == "wayland") {
            platforms.push_back("wayland");
        }
        platforms.push_back("xcb");
    }
    return platforms;
}

// The variable naming the display a platform connects to; none for a platform that draws
// without a window system.
std::optional<std::string> displayVariableOf(const std::string& platform) {
    if (platform == "xcb") {
        return "DISPLAY";
    }
    if (platform.starts_with("wayland")) {
        return "WAYLAND_DISPLAY";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> missingDisplay(const EnvironmentVariable& variable) {
    std::vector<std::string> unset;
    for (const std::string& platform : platformsTried(variable)) {
        const std::optional<std::string> display = displayVariableOf(platform);
        if (!display || !variable(display->c_str()).empty()) {
            return std::nullopt;
        }
        if (std::ranges::find(unset, *display) == unset.end()) {
            unset.push_back(*display);
        }
    }
    std::string reason = unset.size() == 1 ? unset[0] + " is not set"
                                           : "neither " + unset[0] + " nor " + unset[1] + " is set";
    const std::string chosen = variable("QT_QPA_PLATFORM");
    return chosen.empty() ? reason : "QT_QPA_PLATFORM is " + chosen + " and " + reason;
}

std::string noDisplayMessage(std::string_view edition, std::string_view reason) {
    return std::string(edition) + " needs a graphical display: none was found (" +
           std::string(reason) +
           "). Run it from a desktop session, or set QT_QPA_PLATFORM=offscreen for a headless run.";
}
