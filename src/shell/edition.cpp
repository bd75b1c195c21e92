// SPDX-License-Identifier: MIT
#include "shell/edition.h"

std::string executableBaseName(std::string_view path) {
    const auto separator = path.find_last_of("/\\");
    if (separator == std::string_view::npos) {
        return std::string(path);
    }
    return std::string(path.substr(separator + 1));
}

bool isRefractionEdition(std::string_view fileName) {
#ifdef _WIN32
    return fileName == "Lumivex.exe";
#else
    return fileName == "Lumivex.exe" || fileName == "Lumivex";
#endif
}
