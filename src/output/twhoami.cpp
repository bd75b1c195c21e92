// SPDX-License-Identifier: MIT
#include "output/twhoami.h"
#include "controls/translation.h"

namespace {

constexpr char kEnter = 13;

}  // namespace

TWhoami::TWhoami() {
    //: The title of the dialog where a student types the name for the printout.
    form.caption = text::translate("NameDialog", "I am ....");
    form.clientWidth = 204;
    form.clientHeight = 143;
    GroupBox1.setBounds(10, 12, 180, 63);
    GroupBox1.caption = text::translate("NameDialog", "Name");
    Iam.setBounds(23, 23, 121, 24);
    // The label sizes itself to its text; this box holds the text in the dialog's font.
    Label1.setBounds(8, 80, 188, 16);
    Label1.caption = text::translate("NameDialog", "Name will appear on printout");
    Button1.setBounds(51, 101, 89, 33);
    Button1.caption = text::translate("NameDialog", "Ok");
    Button1.onClick = [this](Control&) {
        if (closeRequested) {
            closeRequested();
        }
    };
}

void TWhoami::FormActivate() {
    focus.focus(Iam);
}

void TWhoami::IamKeyPress(char key) {
    if (key == kEnter) {
        Button1.click();
    }
}
