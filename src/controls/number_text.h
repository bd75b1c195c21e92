// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <charconv>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

#include "controls/translation.h"

// A count of tenths written with one decimal: 901 reads "90.1" ("90,1" in German). Building
// the text from one count keeps a value a hair under a whole number from reading "9.0" for
// 10.0.
inline std::string tenthsText(long long tenths) {
    return std::to_string(tenths / 10) + text::decimalSeparator() +
           std::to_string(std::llabs(tenths) % 10);
}

// A real number with one decimal, rounded as printf's "%.1f" rounds, as every angle the
// program says in words reads: "6.6". Its separator is the one of the language the texts are
// shown in ("6,6" in German), never the C library's locale, and it never says minus zero: a
// value that rounds to nothing is "0.0". A width right-aligns the text with blanks, as
// "%4.1f" would (" 6.6").
inline std::string oneDecimalText(double value, int width = 0) {
    // Sign, every digit of the largest double, the point and the decimal.
    constexpr int kLongest = 1 + std::numeric_limits<double>::max_exponent10 + 1 + 1 + 1;
    std::array<char, kLongest> digits{};
    const std::to_chars_result written = std::to_chars(digits.data(), digits.data() + digits.size(),
                                                       value, std::chars_format::fixed, 1);
    std::string text(digits.data(), written.ec == std::errc{} ? written.ptr : digits.data());
    if (text == "-0.0") {
        text = "0.0";
    }
    if (const size_t point = text.find('.'); point != std::string::npos) {
        text[point] = text::decimalSeparator();
    }
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
    }
    return text;
}
