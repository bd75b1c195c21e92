// SPDX-License-Identifier: MIT
// Every text the windows show or say passes through the translation: with a catalogue that
// brackets each translation, a text without brackets reached the screen some other way.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>
#include <string>

#include "app/every_window.h"
#include "app/shown_texts.h"
#include "controls/translation.h"
#include "support/case_names.h"
#include "support/shown_main_window.h"

namespace {

class BracketingCatalogue : public TextCatalogue {
  public:
    std::string translate(const char*, const char* source, const char*) const override {
        return std::string("[") + source + "]";
    }
    char decimalSeparator() const override { return ','; }
};

// Texts that are not words of a language: empty, numbers and degrees ("1", " 0,0°"), and the
// editions' names.
bool needsNoTranslation(const QString& text) {
    static const QRegularExpression noWords(QStringLiteral("^[^\\p{L}]*$"));
    return noWords.match(text).hasMatch() || text == u"Lumivex" || text == u"Spekvale";
}

// Qt's own texts too (the tab bar's scroll buttons, the dialogs' buttons).
class BracketingTranslator : public QTranslator {
  public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[%1]").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

struct BracketedWindows {
    BracketedWindows() {
        text::useCatalogue(&catalogue);
        QCoreApplication::installTranslator(&translator);
    }
    ~BracketedWindows() {
        QCoreApplication::removeTranslator(&translator);
        text::useCatalogue(nullptr);
    }
    BracketingCatalogue catalogue;
    BracketingTranslator translator;
};

std::vector<std::string> unbracketedTextsOf(const QWidget& window) {
    std::vector<std::string> found;
    eachShownText(window, [&](const ShownText& shown) {
        if (!needsNoTranslation(shown.text) && !shown.text.contains(u'[')) {
            found.push_back(QStringLiteral("%1 of %2: \"%3\"")
                                .arg(shown.what, shown.widget->objectName(), shown.text)
                                .toStdString());
        }
    });
    return found;
}

struct Edition {
    std::string name;
};

class EveryTextTranslated : public testing::TestWithParam<Edition> {};

TEST_P(EveryTextTranslated, inTheMainWindow) {
    const BracketedWindows bracketed;
    ShownMainWindow window(GetParam().name);
    EXPECT_EQ(unbracketedTextsOf(window.view), std::vector<std::string>{});
}

TEST_P(EveryTextTranslated, inThePracticeNameAndAboutWindows) {
    const BracketedWindows bracketed;
    EveryWindow windows(GetParam().name);
    for (const QWidget* window : windows.dialogs()) {
        EXPECT_EQ(unbracketedTextsOf(*window), std::vector<std::string>{})
            << window->metaObject()->className();
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EveryTextTranslated,
                         testing::Values(Edition{"Lumivex"}, Edition{"Spekvale"}), ByCaseName());

}  // namespace
