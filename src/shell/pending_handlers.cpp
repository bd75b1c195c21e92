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
void Treframain::Enablecopyselect1Click(Control&) {}
void Treframain::copy1Click(Control&) {}
void Treframain::Print2Click(Control&) {}
void Treframain::print1Click(Control&) {}
void Treframain::PrintSetup1Click(Control&) {}
void Treframain::UserName1Click(Control&) {}
void Treframain::flashlightbtClick() {}
void Treframain::planeimMouseDown(MouseButton, int, int) {}
