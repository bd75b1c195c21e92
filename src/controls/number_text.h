// SPDX-License-Identifier: MIT
#pragma once

#include <cstdlib>
#include <string>

// A count of tenths written with one decimal: 901 reads "90.1". Building the text from one
// count keeps a value a hair under a whole number from reading "9.0" for 10.0.
inline std::string tenthsText(long long tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(std::llabs(tenths) % 10);
}
