// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>

#include "app/spoken_scroll_bar.h"

namespace {

struct KeyCase {
    const char* what;
    int key;
    int value;
};

// A bar from 10 to 100 at 50, a page being 20: the thumb lies left of the middle.
const KeyCase kKeys[] = {
    {"Left lowers", Qt::Key_Left, 49},
    {"Down lowers", Qt::Key_Down, 49},
    {"Right raises", Qt::Key_Right, 51},
    {"Up raises", Qt::Key_Up, 51},
    {"Page Down lowers by a page", Qt::Key_PageDown, 30},
    {"Page Up raises by a page", Qt::Key_PageUp, 70},
    {"Home goes to the left end", Qt::Key_Home, 10},
    {"End goes to the right end", Qt::Key_End, 100},
    {"another key changes nothing", Qt::Key_A, 50},
};

TEST(ScrollBarKeys, moveTheThumbTheWayTheyPoint) {
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(c.what);
        SpokenScrollBar bar(QStringLiteral("Radius"), 1.0, nullptr);
        bar.setRange(10, 100);
        bar.setPageStep(20);
        bar.setValue(50);
        int reported = bar.value();
        QObject::connect(&bar, &QScrollBar::valueChanged,
                         [&reported](int value) { reported = value; });
        QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
        QCoreApplication::sendEvent(&bar, &press);
        EXPECT_EQ(bar.value(), c.value);
        EXPECT_EQ(reported, c.value);
    }
}

}  // namespace
