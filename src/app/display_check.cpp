// SPDX-License-Identifier: MIT
#include "app/display_check.h"

#include <algorithm>
#include <vector>

#include "controls/translation.h"

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
    const std::string reason =
        unset.size() == 1
            //: Why the program cannot start; %1 is an environment variable (DISPLAY).
            ? text::arg(text::translate("StartWithoutDisplay", "%1 is not set"), {unset[0]})
            //: %1 and %2 are environment variables (WAYLAND_DISPLAY, DISPLAY).
            : text::arg(text::translate("StartWithoutDisplay", "neither %1 nor %2 is set"),
                        {unset[0], unset[1]});
    const std::string chosen = variable("QT_QPA_PLATFORM");
    if (chosen.empty()) {
        return reason;
    }
    //: %1 is the value of QT_QPA_PLATFORM (e.g. xcb), %2 the reason from the texts above.
    return text::arg(text::translate("StartWithoutDisplay", "QT_QPA_PLATFORM is %1 and %2"),
                     {chosen, reason});
}

std::string noDisplayMessage(std::string_view edition, std::string_view reason) {
    //: One line on the text console. %1 is the program's name (Lumivex or Spekvale), %2 why
    //: no display was found. Keep QT_QPA_PLATFORM=offscreen as written.
    return text::arg(text::translate("StartWithoutDisplay",
                                     "%1 needs a graphical display: none was found (%2). Run it "
                                     "from a desktop session, or set QT_QPA_PLATFORM=offscreen "
                                     "for a headless run."),
                     {edition, reason});
}
