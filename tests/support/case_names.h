// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

// A parameterised case's name in the test run, from a text that says what it varies: every
// character a test name cannot hold becomes an underscore.
inline std::string caseName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
    }
    return name.empty() ? "_" : name;
}

// Names each case by its own `name` field.
struct ByCaseName {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return caseName(info.param.name);
    }
};
