// SPDX-License-Identifier: MIT
// Nothing is cut off: every caption, label, button, tab, combo item and menu of every window
// fits its control, in the program's fonts, in English and in every shipped language.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <memory>
#include <string>

#include "app/every_window.h"
#include "app/shown_language.h"
#include "app/shown_texts.h"
#include "app/text_fit.h"
#include "support/case_names.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

struct Case {
    std::string name;
    std::string language;
    std::string edition;
};

class TextsFit : public testing::TestWithParam<Case> {};

TEST_P(TextsFit, inTheMainWindow) {
    const ShownLanguage language(GetParam().language);
    ShownMainWindow window(GetParam().edition);
    EXPECT_EQ(textsCutOffIn(window.view), std::vector<std::string>{});
}

TEST_P(TextsFit, inThePracticeNameAndAboutWindows) {
    const ShownLanguage language(GetParam().language);
    EveryWindow windows(GetParam().edition);
    for (QWidget* window : windows.dialogs()) {
        window->show();
        EXPECT_EQ(textsCutOffIn(*window), std::vector<std::string>{})
            << window->metaObject()->className();
    }
}

// No window shows both separators: a number is written as the language around it writes it.
std::vector<std::string> numbersWithTheOtherSeparator(const QWidget& window, char separator) {
    const QRegularExpression other(separator == ',' ? QStringLiteral("\\d\\.\\d")
                                                    : QStringLiteral("\\d,\\d"));
    std::vector<std::string> found;
    eachShownText(window, [&](const ShownText& shown) {
        if (shown.text.contains(other)) {
            found.push_back((shown.what + QStringLiteral(": ") + shown.text).toStdString());
        }
    });
    return found;
}

TEST_P(TextsFit, numbersCarryTheSeparatorOfTheLanguage) {
    const ShownLanguage language(GetParam().language);
    const char separator = language.catalogue.decimalSeparator();
    EXPECT_EQ(separator, GetParam().language == "en" ? '.' : ',');
    ShownMainWindow main(GetParam().edition);
    PracticeOnScreen practice;
    for (const QWidget* window :
         {static_cast<const QWidget*>(&main.view), static_cast<const QWidget*>(&practice.view)}) {
        EXPECT_EQ(numbersWithTheOtherSeparator(*window, separator), std::vector<std::string>{});
    }
    if (GetParam().edition == "Lumivex") {
        EXPECT_EQ(main.model.glasslb.caption.find(std::string("1") + separator + "50") !=
                      std::string::npos,
                  true)
            << main.model.glasslb.caption;
    }
}

std::vector<Case> cases() {
    std::vector<Case> all;
    for (const char* language : {"en", "de", "fr", "es"}) {
        for (const char* edition : {"Lumivex", "Spekvale"}) {
            all.push_back({std::string(language) + "_" + edition, language, edition});
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, testing::ValuesIn(cases()), ByCaseName());

}  // namespace
