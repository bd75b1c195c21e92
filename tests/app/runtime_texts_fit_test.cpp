// SPDX-License-Identifier: MIT
// The texts that come and go while the program is used fit where they are shown, in every
// language: the read-outs of the bench and of the measuring tools, the practice hints; and
// the Alt-letters of each menu and each window are unique in every translation.
#include <gtest/gtest.h>

#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <map>
#include <string>
#include <vector>

#include "app/shown_language.h"
#include "app/text_fit.h"
#include "controls/number_text.h"
#include "interaction/hints.h"
#include "support/case_names.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

struct Language {
    std::string name;
};

class RuntimeTexts : public testing::TestWithParam<Language> {};

std::string tr(const char* context, const char* source) {
    return text::translate(context, source);
}

TEST_P(RuntimeTexts, readoutsFitTheirLabels) {
    const ShownLanguage language(GetParam().name);
    ShownMainWindow window("Lumivex");
    const std::vector<std::string> incidence = {
        text::arg(tr("Readouts", "Angle of Incidence is %1 Degrees."), {oneDecimalText(88.8, 4)}),
        tr("Readouts", "No angle: the ray meets the device first."),
        tr("Readouts", "No angle: the source stands on its aim point.")};
    const std::vector<std::string> measured = {
        text::arg(tr("Measuring", "Angles are %1 Degrees or %2 Degrees."),
                  {oneDecimalText(179.9), oneDecimalText(0.1)}),
        text::arg(tr("Measuring", "Distance = %1"), {oneDecimalText(1234.5)})};
    for (const std::string& readout : incidence) {
        window.model.ianglelb.caption = readout;
        for (const std::string& measurement : measured) {
            window.model.anslb.caption = measurement;
            window.model.anslb.visible = true;
            window.view.sync();
            EXPECT_EQ(textsCutOffIn(window.view), std::vector<std::string>{});
        }
    }
}

// The hints of the bench, its handles and its tools, in the shown language.
std::vector<std::string> statusHints() {
    return {hints::sourceHandle(),
            hints::aimHandle(),
            hints::middleHandle(),
            hints::centreHandle(),
            hints::reset(),
            hints::zoom(),
            hints::devicePage(),
            hints::measurementPage(),
            tr("Hints", "Move mouse and click where you want to start your measurement."),
            tr("Hints",
               "Move mouse and click to fix direction of measuring device.  For best "
               "accuracy move mouse away from center."),
            tr("Hints", "Move mouse and click to fix angle measurement."),
            tr("Hints", "Right click to copy image.\rSee Menus to change what is displayed")};
}

// Each in the status line under the window.
TEST_P(RuntimeTexts, hintsFitTheStatusLine) {
    const std::vector<std::string> english = statusHints();
    const ShownLanguage language(GetParam().name);
    const std::vector<std::string> shown = statusHints();
    ShownMainWindow window("Lumivex");
    for (size_t i = 0; i < shown.size(); ++i) {
        window.model.hintslb.caption = shown[i];
        window.view.sync();
        std::vector<std::string> found;
        checkLabel(*window.view.hintLine(), found);
        EXPECT_EQ(found, std::vector<std::string>{});
        if (GetParam().name != "en") {
            EXPECT_NE(window.view.hintLine()->text(), QString::fromStdString(english[i]))
                << "untranslated";
        }
    }
}

TEST_P(RuntimeTexts, practiceHintsFitTheirLine) {
    const ShownLanguage language(GetParam().name);
    PracticeOnScreen practice;
    practice.view.show();
    for (const char* hint : {"Adjust the ray\u00B4s angle of incidence.",
                             "Adjust the point where the ray hits the interface.",
                             "Adjust the ray\u00B4s position preserving the angle.",
                             "Adjust to move entire structure."}) {
        practice.model.hintlb.caption = tr("Practice", hint);
        practice.view.sync();
        EXPECT_EQ(textsCutOffIn(practice.view), std::vector<std::string>{});
    }
}

// Alt-letters taken twice among these texts.
std::vector<std::string> repeatedMnemonics(const QStringList& texts) {
    std::map<QString, QStringList> byKey;
    for (const QString& text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        if (!key.isEmpty()) {
            byKey[key] << text;
        }
    }
    std::vector<std::string> repeated;
    for (const auto& [key, owners] : byKey) {
        if (owners.size() > 1) {
            repeated.push_back(
                (key + QStringLiteral(": ") + owners.join(QStringLiteral(", "))).toStdString());
        }
    }
    return repeated;
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

// What the window's own Alt-letters reach: the menu bar's menus, buttons and tabs.
QStringList windowTexts(const QWidget& window) {
    QStringList texts;
    for (const QMenuBar* bar : window.findChildren<const QMenuBar*>()) {
        texts << actionTexts(bar->actions());
    }
    for (const QAbstractButton* button : window.findChildren<const QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QTabWidget* tabs : window.findChildren<const QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            texts << tabs->tabText(i);
        }
    }
    return texts;
}

class TranslatedMnemonics : public testing::TestWithParam<Language> {};

TEST_P(TranslatedMnemonics, areUniqueInEachMenuAndWindow) {
    const ShownLanguage language(GetParam().name);
    for (const char* edition : {"Lumivex", "Spekvale"}) {
        ShownMainWindow window(edition);
        EXPECT_EQ(repeatedMnemonics(windowTexts(window.view)), std::vector<std::string>{})
            << edition;
        for (const QMenu* menu : window.view.findChildren<const QMenu*>()) {
            EXPECT_EQ(repeatedMnemonics(actionTexts(menu->actions())), std::vector<std::string>{})
                << edition << " " << menu->title().toStdString();
        }
    }
    PracticeOnScreen practice;
    EXPECT_EQ(repeatedMnemonics(windowTexts(practice.view)), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Languages, RuntimeTexts,
                         testing::Values(Language{"en"}, Language{"de"}, Language{"fr"},
                                         Language{"es"}),
                         ByCaseName());
// The English source texts keep their letters as they have always been, repeats and all:
// "&Mirror Properties" and "&Measurement" share M, and the practice window's "&Return",
// "&Reset", "&Ruler" and "&Ray Movement" share R. Each translation chooses its own.
INSTANTIATE_TEST_SUITE_P(Translations, TranslatedMnemonics,
                         testing::Values(Language{"de"}, Language{"fr"}, Language{"es"}),
                         ByCaseName());

}  // namespace
