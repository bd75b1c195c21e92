// SPDX-License-Identifier: MIT
#pragma once

// Qt's own dialogs keep state between runs in a settings file of the user's: the file
// dialog (the "..." of Print Setup) writes ~/.config/QtProject.conf when it closes, and no
// option of the dialog stops it. The program keeps no settings and writes no files, so
// every settings file of the user's is sent where nothing can be made. Runs before the
// first dialog opens.
void keepSettingsOffDisk();
