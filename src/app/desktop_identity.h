// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the desktop knows an edition's windows by. A dock groups windows by their window
// class (X11's WM_CLASS, whose class part Qt takes from the application's name) and shows
// the icon of the desktop entry that names that class (StartupWMClass); on Wayland the
// application id is the desktop entry's name itself.
struct DesktopIdentity {
    QString windowClass;   // "Lumivex" or "Spekvale", the edition's title
    QString desktopEntry;  // the desktop entry's file name without ".desktop"
};

DesktopIdentity desktopIdentity(bool refraction);

// Qt reads both when it makes the first window, and never again: this runs before any
// window of the program exists.
void useDesktopIdentity(const DesktopIdentity& identity);
