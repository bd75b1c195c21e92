// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "shell/treframain.h"
#include "support/shown_main_window.h"

namespace {

bool hasLabel(const QWidget& window, const QString& text) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text() == text && label->isVisibleTo(&window)) {
            return true;
        }
    }
    return false;
}

TEST(PresetsOnScreen, aRealExperimentsMenuClickSetsUpTheControls) {
    ShownMainWindow window;
    MainWindowView& view = window.view;

    QAction* preset = window.menuAction("Semi-Circular Prism Left");
    ASSERT_NE(preset, nullptr);
    EXPECT_TRUE(preset->isVisible());
    preset->trigger();

    QStringList kinds;
    for (const QComboBox* box : view.findChildren<QComboBox*>()) {
        kinds << box->currentText();
    }
    EXPECT_EQ(kinds, (QStringList{"Convex", "Plane"}));
    EXPECT_TRUE(hasLabel(view, "Radius: 10"));
    EXPECT_TRUE(hasLabel(view, "57"));
    EXPECT_TRUE(hasLabel(view, "Zoom: 30%"));
    QAction* normals = window.menuAction("Show &Normal");
    ASSERT_NE(normals, nullptr);
    EXPECT_TRUE(normals->isChecked());
    // The refraction edition shows only the lens experiments.
    QAction* mirror = window.menuAction("Plane Mirror");
    ASSERT_NE(mirror, nullptr);
    const auto* mirrorMenu = qobject_cast<QMenu*>(mirror->parent());
    ASSERT_NE(mirrorMenu, nullptr);
    EXPECT_FALSE(mirrorMenu->menuAction()->isVisible());
}

}  // namespace
