// SPDX-License-Identifier: MIT
// Handlers whose behaviour arrives with later work; the layout already wires them.
#include "shell/treframain.h"

void Treframain::Slow1Click(Control&) {}
void Treframain::On1Click(Control&) {}
void Treframain::domeasurecbClick(Control&) {}
void Treframain::measurerbClick(Control&) {}
void Treframain::Enablecopyselect1Click(Control&) {}
void Treframain::copy1Click(Control&) {}
void Treframain::Print2Click(Control&) {}
void Treframain::print1Click(Control&) {}
void Treframain::PrintSetup1Click(Control&) {}
void Treframain::UserName1Click(Control&) {}
void Treframain::dsh1MouseDown(Shape&, MouseButton, int, int) {}
void Treframain::dsh1MouseMove(Shape&, int, int) {}
void Treframain::mid1MouseMove(Shape&, int, int) {}
void Treframain::centergMouseMove(Shape&, int, int) {}
void Treframain::dsh1MouseUp(Shape&, MouseButton, int, int) {}
void Treframain::Panel2MouseMove(int, int) {}
void Treframain::resetbtMouseMove() {}
void Treframain::zoomlbMouseMove() {}
void Treframain::taboptionsChange(int) {}
void Treframain::planeimMouseMove(int, int) {}
void Treframain::planeimMouseDown(MouseButton, int, int) {}
void Treframain::planeimMouseUp(MouseButton, int, int) {}
