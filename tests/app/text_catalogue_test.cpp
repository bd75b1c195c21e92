// SPDX-License-Identifier: MIT
#include "app/qt_text_catalogue.h"
#include "support/case_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Choice {
    std::vector<std::string> desktop;
    std::string chosen;
};

class LanguageChoice : public testing::TestWithParam<Choice> {};

TEST_P(LanguageChoice, isTheFirstDesktopLanguageWithATranslationOrElseEnglish) {
    EXPECT_EQ(chooseLanguage(GetParam().desktop, {"de", "es", "fr"}), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(DesktopLanguages, LanguageChoice,
                         testing::Values(Choice{{"de-DE"}, "de"}, Choice{{"de_AT"}, "de"},
                                         Choice{{"fr"}, "fr"}, Choice{{"es_ES.UTF-8"}, "es"},
                                         Choice{{"it"}, "en"}, Choice{{"it", "fr"}, "fr"},
                                         Choice{{"it-IT", "es-MX", "de"}, "es"},
                                         Choice{{"en-GB", "de"}, "en"}, Choice{{"C"}, "en"},
                                         Choice{{}, "en"}));

TEST(LanguageChoice, findsNoTranslationThatIsNotShipped) {
    EXPECT_EQ(chooseLanguage({"de-DE", "fr"}, {"fr"}), "fr");
    EXPECT_EQ(chooseLanguage({"de-DE"}, {}), "en");
}

TEST(ShippedLanguages, areTheTranslationsCompiledIn) {
    EXPECT_EQ(shippedLanguages(), (std::vector<std::string>{"de", "es", "fr"}));
}

TEST(QtTextCatalogue, writesNumbersWithTheSeparatorOfItsLanguage) {
    EXPECT_EQ(QtTextCatalogue({"de-AT"}).decimalSeparator(), ',');
    EXPECT_EQ(QtTextCatalogue({"fr-CA"}).decimalSeparator(), ',');
    EXPECT_EQ(QtTextCatalogue({"es"}).decimalSeparator(), ',');
    EXPECT_EQ(QtTextCatalogue({"it"}).decimalSeparator(), '.');
    EXPECT_EQ(QtTextCatalogue({"en-US"}).decimalSeparator(), '.');
}

TEST(QtTextCatalogue, answersAnUntranslatedTextWithItsSource) {
    const QtTextCatalogue catalogue({"de"});
    EXPECT_EQ(catalogue.translate("NoSuchContext", "No such text", nullptr), "No such text");
}

}  // namespace
