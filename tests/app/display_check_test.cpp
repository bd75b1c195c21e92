// SPDX-License-Identifier: MIT
#include "app/display_check.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace {

struct Start {
    std::map<std::string, std::string> environment;
    std::optional<std::string> missing;
};

class MissingDisplay : public testing::TestWithParam<Start> {};

TEST_P(MissingDisplay, isFoundOnlyWhereEveryPlatformQtTriesLacksItsDisplay) {
    const auto& environment = GetParam().environment;
    const auto variable = [&environment](const char* name) {
        const auto found = environment.find(name);
        return found != environment.end() ? found->second : std::string();
    };
    EXPECT_EQ(missingDisplay(variable), GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, MissingDisplay,
    testing::Values(
        Start{{{"DISPLAY", ""}}, "DISPLAY is not set"}, Start{{{"DISPLAY", ":0"}}, std::nullopt},
        // Outside a Wayland session Qt tries only xcb.
        Start{{{"WAYLAND_DISPLAY", "wayland-0"}}, "DISPLAY is not set"},
        Start{{{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt},
        Start{{{"XDG_SESSION_TYPE", "wayland"}}, "neither WAYLAND_DISPLAY nor DISPLAY is set"},
        Start{{{"QT_QPA_PLATFORM", "vnc:size=800x600"}}, std::nullopt},
        Start{{{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}},
              "QT_QPA_PLATFORM is xcb and DISPLAY is not set"},
        Start{{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, std::nullopt},
        Start{{{"QT_QPA_PLATFORM", "wayland-egl;xcb:nograb"}},
              "QT_QPA_PLATFORM is wayland-egl;xcb:nograb and neither WAYLAND_DISPLAY nor "
              "DISPLAY is set"}),
    [](const testing::TestParamInfo<Start>& info) {
        std::string name;
        for (const auto& [variable, value] : info.param.environment) {
            name += variable + "_" + (value.empty() ? "empty" : value) + "_";
        }
        return caseName(name);
    });

}  // namespace
