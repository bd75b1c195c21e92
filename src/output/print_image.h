// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "controls/controls.h"
#include "platform/platform.h"

// Prints the picture's bitmap on one page of the current printer: "Printed by: " and the
// user's name at the top when a name is given, then the picture 150 printer pixels in from
// the left and 300 down, scaled evenly to the page width less 300.
//
// Answers true when the page went to the printer. Otherwise the user has been told why in
// a message box, and no part of the page was printed.
bool PrintImage(Platform& platform, const Picture& image, const std::string& userName);
