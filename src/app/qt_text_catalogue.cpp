// SPDX-License-Identifier: MIT
#include "app/qt_text_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <algorithm>

namespace {

const std::string kSourceLanguage = "en";

// "de-AT", "de_DE.UTF-8" and "de" are all German: the part before the territory.
std::string languageOf(const std::string& name) {
    std::string language = name.substr(0, name.find_first_of("-_.@"));
    std::ranges::transform(language, language.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return language;
}

std::vector<std::string> systemLanguages() {
    std::vector<std::string> languages;
    for (const QString& language : QLocale::system().uiLanguages()) {
        languages.push_back(language.toStdString());
    }
    return languages;
}

QLocale localeOf(const std::string& language) {
    QLocale locale = language == kSourceLanguage ? QLocale(QLocale::English, QLocale::UnitedStates)
                                                 : QLocale(QString::fromStdString(language));
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}  // namespace

std::string chooseLanguage(const std::vector<std::string>& desktopLanguages,
                           const std::vector<std::string>& shippedLanguages) {
    for (const std::string& desktopLanguage : desktopLanguages) {
        std::string language = languageOf(desktopLanguage);
        if (language == kSourceLanguage || language == "c" || language == "posix") {
            return kSourceLanguage;
        }
        if (std::ranges::find(shippedLanguages, language) != shippedLanguages.end()) {
            return language;
        }
    }
    return kSourceLanguage;
}

std::vector<std::string> shippedLanguages() {
    std::vector<std::string> languages;
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("lightbox_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        const QString name = file.chopped(3).mid(QStringLiteral("lightbox_").size());
        languages.push_back(name.toStdString());
    }
    return languages;
}

QtTextCatalogue::QtTextCatalogue() : QtTextCatalogue(systemLanguages()) {}

QtTextCatalogue::QtTextCatalogue(const std::vector<std::string>& desktopLanguages)
    : language_(chooseLanguage(desktopLanguages, shippedLanguages())) {
    if (language_ != kSourceLanguage) {
        programLoaded_ = program_.load(
            QStringLiteral(":/i18n/lightbox_%1.qm").arg(QString::fromStdString(language_)));
    }
    // A translation that will not load leaves the English texts, and English numbers with them.
    if (!programLoaded_) {
        language_ = kSourceLanguage;
    }
    const QChar point = localeOf(language_).decimalPoint().front();
    decimalSeparator_ = point == QLatin1Char(',') ? ',' : '.';
}

std::string QtTextCatalogue::translate(const char* context, const char* source,
                                       const char* disambiguation) const {
    if (!programLoaded_) {
        return source;
    }
    const QString translated = program_.translate(context, source, disambiguation);
    return translated.isEmpty() ? std::string(source) : translated.toStdString();
}

char QtTextCatalogue::decimalSeparator() const {
    return decimalSeparator_;
}

void QtTextCatalogue::installInApplication() {
    QLocale::setDefault(localeOf(language_));
    if (language_ == kSourceLanguage) {
        return;
    }
    if (programLoaded_) {
        QCoreApplication::installTranslator(&program_);
    }
    if (qt_.load(QStringLiteral("qtbase_%1").arg(QString::fromStdString(language_)),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
}
