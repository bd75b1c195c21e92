// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The file name of an executable path: the text after its last folder separator.
std::string executableBaseName(std::string_view path);

// One executable serves both editions; its own file name chooses. Exactly "Lumivex.exe"
// starts the refraction edition, and where executables carry no extension (Linux) so does
// exactly "Lumivex"; any other name, letter case included, starts the reflection edition.
bool isRefractionEdition(std::string_view fileName);
