// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform.h"

// A platform that answers every request and does nothing, for timing the window models.
class NullPlatform : public Platform {
  public:
    std::string executable = "Lumivex";

    std::string executableName() const override { return executable; }
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
