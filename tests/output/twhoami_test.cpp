// SPDX-License-Identifier: MIT
#include "output/twhoami.h"

#include <gtest/gtest.h>

namespace {

struct ShownDialog {
    TWhoami dialog;
    int closes = 0;
    ShownDialog() {
        dialog.closeRequested = [this] { ++closes; };
    }
};

void expectBounds(const Control& control, int left, int top, int width, int height) {
    EXPECT_EQ(control.left, left) << control.caption;
    EXPECT_EQ(control.top, top) << control.caption;
    EXPECT_EQ(control.width, width) << control.caption;
    EXPECT_EQ(control.height, height) << control.caption;
}

TEST(TWhoami, isLaidOutAsTheNameDialogWithAnEmptyName) {
    TWhoami dialog;
    EXPECT_EQ(dialog.form.caption, "I am ....");
    EXPECT_EQ(dialog.form.clientWidth, 204);
    EXPECT_EQ(dialog.form.clientHeight, 143);
    EXPECT_EQ(dialog.GroupBox1.caption, "Name");
    expectBounds(dialog.GroupBox1, 10, 12, 180, 63);
    expectBounds(dialog.Iam, 23, 23, 121, 24);
    EXPECT_EQ(dialog.Iam.text, "");
    EXPECT_EQ(dialog.Label1.caption, "Name will appear on printout");
    EXPECT_EQ(dialog.Label1.left, 8);
    EXPECT_EQ(dialog.Label1.top, 80);
    EXPECT_EQ(dialog.Button1.caption, "Ok");
    expectBounds(dialog.Button1, 51, 101, 89, 33);
}

TEST(TWhoami, activatingTheDialogPutsTheFocusInTheNameBox) {
    TWhoami dialog;
    dialog.FormActivate();
    EXPECT_EQ(dialog.focus.focused(), &dialog.Iam);
}

TEST(TWhoami, enterInTheNameBoxConfirmsTheNameAndOtherKeysDoNot) {
    ShownDialog shown;
    shown.dialog.Iam.text = "Ann";
    for (const char key : {'A', ' ', '\n', '\x1b', '\t'}) {
        shown.dialog.IamKeyPress(key);
    }
    EXPECT_EQ(shown.closes, 0);

    shown.dialog.IamKeyPress('\r');
    EXPECT_EQ(shown.closes, 1);
    EXPECT_EQ(shown.dialog.Iam.text, "Ann");
}

TEST(TWhoami, okClosesTheDialogKeepingTheName) {
    ShownDialog shown;
    shown.dialog.Iam.text = "Ann";
    shown.dialog.Button1.click();
    EXPECT_EQ(shown.closes, 1);
    EXPECT_EQ(shown.dialog.Iam.text, "Ann");
}

}  // namespace
