// SPDX-License-Identifier: MIT
// Handlers whose behaviour arrives with later work; the layout already wires them.
#include "shell/treframain.h"

void Treframain::Rectangularprism1Click(Control&) {}
void Treframain::DoubleConvexLens1Click(Control&) {}
void Treframain::DoubleConcaveLens1Click(Control&) {}
void Treframain::SemiCircularLeft1Click(Control&) {}
void Treframain::SemicircularPrismRight1Click(Control&) {}
void Treframain::CircularLens1Click(Control&) {}
void Treframain::PlaneMirror1Click(Control&) {}
void Treframain::ConvexMirror1Click(Control&) {}
void Treframain::Concavemirror1Click(Control&) {}
void Treframain::lradiussbChange(Control&) {}
void Treframain::widthsbChange(Control&) {}
void Treframain::N02Click(Control&) {}
void Treframain::N24Click(Control&) {}
void Treframain::slitsbChange(Control&) {}
void Treframain::Pointsource1Click(Control&) {}
void Treframain::Slow1Click(Control&) {}
void Treframain::On1Click(Control&) {}
void Treframain::domeasurecbClick(Control&) {}
void Treframain::measurerbClick(Control&) {}
void Treframain::flashlightbtClick() {}
void Treframain::dsh1MouseDown(Shape&, MouseButton, int, int) {}
void Treframain::dsh1MouseMove(Shape&, int, int) {}
void Treframain::mid1MouseMove(Shape&, int, int) {}
void Treframain::centergMouseMove(Shape&, int, int) {}
void Treframain::dsh1MouseUp(Shape&, MouseButton, int, int) {}
void Treframain::Panel2MouseMove(int, int) {}
void Treframain::resetbtMouseMove() {}
void Treframain::zoomlbMouseMove() {}
void Treframain::taboptionsChange(int) {}
