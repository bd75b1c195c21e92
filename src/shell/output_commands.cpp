// SPDX-License-Identifier: MIT
// The main window's output commands: copying the bench picture, printing it with the
// user's name, the printer set-up and the user-name dialog.
#include "output/print_image.h"
#include "shell/treframain.h"

void Treframain::copy1Click(Control&) {
    platform_.copyToClipboard(planeCanvas());
}

// Printing copies too, so the whole picture is on the clipboard afterwards even when a
// selection was copied before.
void Treframain::Print2Click(Control&) {
    copy1Click(copy1);
    PrintImage(platform_, planeim, userNameBox != nullptr ? userNameBox->text : std::string());
}

void Treframain::print1Click(Control& sender) {
    Print2Click(sender);
}

void Treframain::PrintSetup1Click(Control&) {
    platform_.showPrintSetup();
}

void Treframain::UserName1Click(Control&) {
    platform_.showModal(ModalWindow::UserName);
}
