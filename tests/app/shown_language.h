// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <string>

#include "app/qt_text_catalogue.h"
#include "controls/translation.h"

// The program speaking `language` ("en", "de", ...) while it lives, as it would on a desktop
// set to it; English with points again afterwards.
struct ShownLanguage {
    explicit ShownLanguage(const std::string& language) : catalogue({language}) {
        catalogue.installInApplication();
        text::useCatalogue(&catalogue);
    }
    ~ShownLanguage() {
        text::useCatalogue(nullptr);
        QLocale::setDefault(before);
    }
    ShownLanguage(const ShownLanguage&) = delete;
    ShownLanguage& operator=(const ShownLanguage&) = delete;

    QLocale before;
    QtTextCatalogue catalogue;
};
