// SPDX-License-Identifier: MIT
#include "app/desktop_identity.h"

#include <QGuiApplication>

DesktopIdentity desktopIdentity(bool refraction) {
    if (refraction) {
        return {QStringLiteral("Lumivex"), QStringLiteral("lumivex")};
    }
    return {QStringLiteral("Spekvale"), QStringLiteral("spekvale")};
}

void useDesktopIdentity(const DesktopIdentity& identity) {
    // The application's name, not its display name: a display name would be added to every
    // window's caption ("Measurement Practice — Lumivex").
    QGuiApplication::setApplicationName(identity.windowClass);
    QGuiApplication::setDesktopFileName(identity.desktopEntry);
}
