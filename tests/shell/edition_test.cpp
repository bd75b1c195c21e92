// SPDX-License-Identifier: MIT
#include "shell/edition.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct NamedEdition {
    const char* fileName;
    bool refraction;
};

TEST(Edition, onlyTheExactNamesStartTheRefractionEdition) {
    const NamedEdition cases[] = {
        {"Lumivex.exe", true},  {"Lumivex", true},       {"lumivex.exe", false},
        {"LUMIVEX", false},     {"Lumivex.exe2", false}, {"Lumivex2", false},
        {"Spekvale", false},    {"Spekvale.exe", false}, {"", false},
        {"Lumivex.EXE", false}, {" Lumivex", false},
    };
    for (const auto& [fileName, refraction] : cases) {
        EXPECT_EQ(isRefractionEdition(fileName), refraction) << fileName;
    }
}

TEST(Edition, theFileNameIsWhatFollowsTheLastFolderSeparator) {
    EXPECT_EQ(executableBaseName("/usr/local/bin/Lumivex"), "Lumivex");
    EXPECT_EQ(executableBaseName("./build/Spekvale"), "Spekvale");
    EXPECT_EQ(executableBaseName("C:\\Program Files\\Lumivex.exe"), "Lumivex.exe");
    EXPECT_EQ(executableBaseName("Lumivex"), "Lumivex");
    EXPECT_EQ(executableBaseName(""), "");
}

}  // namespace
