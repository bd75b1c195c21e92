// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "canvas/canvas_factory.h"
#include "experiments/experiments_layer.h"
#include "platform/platform.h"
#include "shell/information_dialog.h"

// The main window's model: every control of the window (MainWindowControls), with the
// handlers of each subsystem stacked on them layer by layer, bench at the bottom and the
// experiments on top (see ARCHITECTURE.md). This top layer is the window as a frame: the
// edition and the set-up it applies when first shown, and the window's commands.
class Treframain : public ExperimentsLayer {
  public:
    // Creating the window builds its controls, connects every layer's handlers and runs
    // FormCreate, which draws the bench.
    Treframain(Platform& platform, const CanvasFactory& makeCanvas);

    std::string applicationTitle = "Lumivex";
    InformationDialog aboutBox;
    // Prints take the user's name from here: the user-name dialog's edit box, which is
    // created after this window and set once both exist. Unset, prints carry no name.
    const EditBox* userNameBox = nullptr;

    // --- The window as a frame --------------------------------------------------------------
    void FormActivate();
    void FormDeactivate();
    void WMSize(int sizeType);
    void return1Click(Control& sender);
    void Help2Click(Control& sender);
    void About1Click(Control& sender);
    void MeasurementPractice1Click(Control& sender);

    // --- Output -----------------------------------------------------------------------------
    void copy1Click(Control& sender);
    void Print2Click(Control& sender);
    void print1Click(Control& sender);
    void PrintSetup1Click(Control& sender);
    void UserName1Click(Control& sender);

  private:
    void chooseEdition();
};
