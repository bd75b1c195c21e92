// SPDX-License-Identifier: MIT
#include "controls/translation.h"

#include <cctype>
#include <vector>

namespace {

const TextCatalogue* shownCatalogue = nullptr;

}  // namespace

namespace text {

void useCatalogue(const TextCatalogue* catalogue) {
    shownCatalogue = catalogue;
}

std::string translate(const char* context, const char* source, const char* disambiguation) {
    if (shownCatalogue == nullptr) {
        return source;
    }
    return shownCatalogue->translate(context, source, disambiguation);
}

char decimalSeparator() {
    return shownCatalogue == nullptr ? '.' : shownCatalogue->decimalSeparator();
}

std::string arg(std::string_view pattern, std::initializer_list<std::string_view> values) {
    const std::vector<std::string_view> byNumber(values);
    std::string filled;
    filled.reserve(pattern.size());
    for (size_t at = 0; at < pattern.size(); ++at) {
        const bool placeholder = pattern[at] == '%' && at + 1 < pattern.size() &&
                                 std::isdigit(static_cast<unsigned char>(pattern[at + 1])) != 0;
        if (placeholder) {
            const auto number = static_cast<size_t>(pattern[at + 1] - '0');
            if (number >= 1 && number <= byNumber.size()) {
                filled += byNumber[number - 1];
                ++at;
                continue;
            }
        }
        filled += pattern[at];
    }
    return filled;
}

}  // namespace text
