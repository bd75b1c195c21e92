// SPDX-License-Identifier: MIT
// The windows' numbers under a locale that writes a decimal comma: the program runs under
// the user's locale (Qt sets it), and every number it shows still carries a point.
#include <gtest/gtest.h>

#include <QLabel>
#include <cstdio>
#include <string>

#include "support/comma_locale.h"
#include "support/practice_on_screen.h"
#include "support/shown_main_window.h"

namespace {

std::string labelStartingWith(const QWidget& window, const QString& start) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().startsWith(start)) {
            return label->text().toStdString();
        }
    }
    return {};
}

TEST(CommaLocale, theWindowsWriteEveryNumberWithAPoint) {
    const CommaLocale comma;
    if (comma.unavailable()) {
        GTEST_SKIP() << *comma.unavailable();
    }
    char written[8];
    std::snprintf(written, sizeof written, "%.1f", 6.6);
    ASSERT_STREQ(written, "6,6") << "the locale is not in force";

    const ShownMainWindow window;
    // The read-out keeps its padding to four characters.
    EXPECT_EQ(labelStartingWith(window.view, "Angle of"), "Angle of Incidence is  6.6 Degrees.");
    EXPECT_EQ(labelStartingWith(window.view, "\"Glass\""), "\"Glass\": 1.50");
    EXPECT_EQ(window.view.handleFor(window.model.dsh1)->accessibleName().toStdString(),
              "Source 1, angle of incidence 6.6 degrees");

    PracticeOnScreen practice;
    practice.view.show();
    practice.showPage(2);
    // The ray starts level: "-0,0" as the C library would write it.
    EXPECT_EQ(practice.widget<QWidget>("dsh").accessibleName().toStdString(),
              "Torch end of the ray, at 0.0 degrees");
}

}  // namespace
