// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "app/about_view.h"
#include "app/whoami_view.h"
#include "output/twhoami.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

// Every window of one edition as the program builds them: the main window shown, and the
// About box, the practice window and the name dialog beside it.
struct EveryWindow {
    explicit EveryWindow(const std::string& edition)
        : main(edition), about(main.model.aboutBox, nullptr) {}

    std::array<QWidget*, 3> dialogs() { return {&about, &practice.view, &name}; }

    ShownMainWindow main;
    AboutView about;
    PracticeOnScreen practice;
    TWhoami nameModel;
    WhoamiView name{nameModel};
};
