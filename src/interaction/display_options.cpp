// SPDX-License-Identifier: MIT
// The View switches, the redraw speed and the hint texts of the options group.
#include "shell/treframain.h"

void Treframain::ShowCenters1Click(Control& sender) {
    auto& item = static_cast<MenuItem&>(sender);
    item.checked = !item.checked;
    drawlensbtClick();
}
