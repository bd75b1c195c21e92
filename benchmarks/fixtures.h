// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <memory>

#include "canvas/qt_canvas.h"
#include "platform/platform.h"
#include "shell/treframain.h"

// A platform that answers every request and does nothing, for timing the window models.
class NullPlatform : public Platform {
  public:
    std::string executableName() const override { return "Lumivex"; }
    ScreenSize screenSize() const override { return {1280, 1024}; }
    std::uint64_t clockSeed() const override { return 1; }
    void showModal(ModalWindow) override {}
    void messageBox(const std::string&, const std::string&, MessageIcon) override {}
    void minimiseApplication() override {}
    void closeMainWindow() override {}
    void openHelp(int) override {}
    void copyToClipboard(const Canvas&) override {}
    void showPrintSetup() override {}
    int printerPageWidth() override { return 0; }
    bool beginPrintJob() override { return false; }
    bool printText(int, int, const std::string&) override { return false; }
    bool printPicture(const Canvas&, const Rect&) override { return false; }
    bool endPrintJob() override { return false; }
    void abortPrintJob() override {}
};

inline CanvasFactory qtCanvases() {
    return [](int width, int height) { return std::make_unique<QtCanvas>(width, height); };
}

// The heaviest bench the menus allow: three sources of five slits each in three colours,
// normals, both extensions and the centres of curvature shown, through a thick lens with
// curved faces.
inline void loadTheBench(Treframain& w) {
    w.N33.click();
    w.N52.click();
    w.widthsb.setPosition(80);
    w.threeclrb.setChecked(true);
    for (MenuItem* item : {&w.ShowNormals1, &w.ShowCenters1, &w.Extendray1, &w.incidentray1}) {
        if (!item->checked) {
            item->click();
        }
    }
}

// How long the program's QApplication took to start, measured in main().
inline std::chrono::duration<double, std::milli>& applicationStartTime() {
    static std::chrono::duration<double, std::milli> time{};
    return time;
}
