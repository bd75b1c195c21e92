// SPDX-License-Identifier: MIT
#include "controls/number_text.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Written {
    double value;
    int width;
    const char* text;
};

class OneDecimalText : public testing::TestWithParam<Written> {};

TEST_P(OneDecimalText, writesOneDecimalWithAPointRightAlignedInTheWidth) {
    EXPECT_EQ(oneDecimalText(GetParam().value, GetParam().width), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OneDecimalText,
    testing::Values(Written{6.6, 4, " 6.6"}, Written{30.0, 4, "30.0"},
                    // A width too small for the number cuts nothing off.
                    Written{123.45, 4, "123.5"}, Written{89.96, 0, "90.0"},
                    Written{-12.34, 0, "-12.3"},
                    // An exact half is rounded to the even tenth, as printf rounds it.
                    Written{0.25, 0, "0.2"}, Written{0.75, 0, "0.8"},
                    // What rounds to nothing reads zero, without a sign.
                    Written{-0.0, 0, "0.0"}, Written{-0.04, 4, " 0.0"}, Written{-0.05, 0, "-0.1"}),
    [](const testing::TestParamInfo<Written>& info) {
        return caseName(std::string(info.param.text) + "_in_" + std::to_string(info.param.width));
    });

TEST(OneDecimalTextOfTheLargestNumber, writesEveryDigit) {
    const std::string text = oneDecimalText(-std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 1u + 309u + 2u);  // sign, 309 digits, ".0"
    EXPECT_EQ(text.substr(0, 4), "-179");
    EXPECT_EQ(text.substr(text.size() - 2), ".0");
}

}  // namespace
