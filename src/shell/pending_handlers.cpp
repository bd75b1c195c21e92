// SPDX-License-Identifier: MIT
// Handlers whose behaviour arrives with later work; the layout already wires them.
#include "shell/treframain.h"

void Treframain::Slow1Click(Control&) {}
void Treframain::On1Click(Control&) {}
void Treframain::domeasurecbClick(Control&) {}
void Treframain::measurerbClick(Control&) {}
void Treframain::dsh1MouseDown(Shape&, MouseButton, int, int) {}
void Treframain::dsh1MouseMove(Shape&, int, int) {}
void Treframain::mid1MouseMove(Shape&, int, int) {}
void Treframain::centergMouseMove(Shape&, int, int) {}
void Treframain::dsh1MouseUp(Shape&, MouseButton, int, int) {}
void Treframain::Panel2MouseMove(int, int) {}
void Treframain::resetbtMouseMove() {}
void Treframain::zoomlbMouseMove() {}
void Treframain::taboptionsChange(int) {}
