// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Whether Qt can find a window system to show the program on. Without one, Qt prints its
// plugin diagnostics and aborts the program; it is told in one line instead, before Qt starts.

// An environment variable's value, empty when it is unset.
using EnvironmentVariable = std::function<std::string(const char* name)>;

// Why no display will be found ("DISPLAY is not set"), or nothing where one may be: Qt's
// platforms are tried as Qt tries them (QT_QPA_PLATFORM, or else xcb, after Wayland in a
// Wayland session), and a platform that needs no window system (offscreen, vnc) always can.
std::optional<std::string> missingDisplay(const EnvironmentVariable& variable);

// "Lumivex needs a graphical display: none was found (DISPLAY is not set). Run it from ..."
std::string noDisplayMessage(std::string_view edition, std::string_view reason);
