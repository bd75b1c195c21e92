// SPDX-License-Identifier: MIT
// Prints the language and decimal separator the program would take from the environment,
// before and after the QApplication exists, for the tests that set LANGUAGE, LC_ALL, LANG.
#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <cstdio>

#include "app/qt_text_catalogue.h"

int main(int argc, char** argv) {
    QtTextCatalogue catalogue;
    text::useCatalogue(&catalogue);
    QApplication application(argc, argv);
    catalogue.installInApplication();
    const QLocale widgets;
    // Qt's own words, as its message boxes' buttons show them.
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    std::printf("language=%s separator=%c widgets=%s qt=%s\n", catalogue.language().c_str(),
                text::decimalSeparator(), qPrintable(widgets.toString(1234.5, 'f', 1)),
                cancel.toUtf8().constData());
    text::useCatalogue(nullptr);
    return 0;
}
