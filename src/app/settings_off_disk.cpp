// SPDX-License-Identifier: MIT
#include "app/settings_off_disk.h"

#include <QSettings>
#include <QString>

void keepSettingsOffDisk() {
    // A folder inside a device file cannot be made, not even by root: each settings file
    // of the user's scope is then neither read nor written, and Qt carries on without it.
    const QString nowhere = QStringLiteral("/dev/null");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}
