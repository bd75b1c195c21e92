// SPDX-License-Identifier: MIT
#pragma once

#include <QTranslator>
#include <string>
#include <vector>

#include "controls/translation.h"

// The language the program speaks: the first of the desktop's languages, in the user's order,
// that a translation is compiled in for ("de-AT" and "de_DE" take "de"); English, the
// language of the source texts, where none is. "en" and "C" choose English where they stand.
std::string chooseLanguage(const std::vector<std::string>& desktopLanguages,
                           const std::vector<std::string>& shippedLanguages);

// The languages a translation is compiled in for (":/i18n/lightbox_<language>.qm").
std::vector<std::string> shippedLanguages();

// The texts of the language chosen from QLocale::system().uiLanguages() (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG), answered by the catalogue's own translator, so that they are there
// before a QApplication exists (the message of a start without a display).
class QtTextCatalogue : public TextCatalogue {
  public:
    QtTextCatalogue();
    // With the desktop's languages given instead of read from the system.
    explicit QtTextCatalogue(const std::vector<std::string>& desktopLanguages);

    std::string translate(const char* context, const char* source,
                          const char* disambiguation) const override;
    char decimalSeparator() const override;

    // "de", "fr", "es", ... or "en" for the source texts.
    const std::string& language() const { return language_; }

    // Once the QApplication exists: installs the program's translator and Qt's own (for the
    // print dialog, the message boxes' buttons, the edit boxes' menus), and makes the
    // language's numbers Qt's default, without group separators, so that a widget never shows
    // a separator the texts do not use.
    void installInApplication();

  private:
    std::string language_;
    char decimalSeparator_ = '.';
    QTranslator program_;
    QTranslator qt_;
    bool programLoaded_ = false;
};
