// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas/canvas.h"
#include "platform/platform.h"

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

// Printer and clipboard effects, as a test wants to see them.
struct RecordedPrintJob {
    bool begun = false;
    bool ended = false;
    bool aborted = false;
    std::vector<std::pair<Point, std::string>> texts;
    std::vector<Rect> pictures;  // page rectangles the picture was stretched onto
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// The platform port for tests: remembers every request and answers with set values.
class RecordingPlatform : public Platform {
  public:
    std::string executable = "Lumivex";
    ScreenSize screen{1280, 1024};
    std::uint64_t seed = 1;
    int pageWidth = 4800;
    bool beginFails = false;
    bool textFails = false;
    bool printerFails = false;  // begin works, stretching the picture fails
    bool endFails = false;

    std::vector<ModalWindow> modalsShown;
    std::vector<RecordedMessage> messages;
    int minimiseCount = 0;
    int closeCount = 0;
    std::vector<int> helpContexts;
    int printSetupCount = 0;
    int clipboardCount = 0;
    int clipboardWidth = 0;
    int clipboardHeight = 0;
    const Canvas* clipboardPicture = nullptr;  // the canvas last put on the clipboard
    std::vector<RecordedPrintJob> printJobs;
    // Runs while a modal window is "shown", standing in for what the user does in it.
    std::function<void(ModalWindow)> whileModal;

    std::string executableName() const override { return executable; }
    ScreenSize screenSize() const override { return screen; }
    std::uint64_t clockSeed() const override { return seed; }

    void showModal(ModalWindow window) override {
        modalsShown.push_back(window);
        if (whileModal) {
            whileModal(window);
        }
    }
    void messageBox(const std::string& text, const std::string& caption,
                    MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    void minimiseApplication() override { ++minimiseCount; }
    void closeMainWindow() override { ++closeCount; }
    void openHelp(int context) override { helpContexts.push_back(context); }

    void copyToClipboard(const Canvas& picture) override {
        ++clipboardCount;
        clipboardWidth = picture.width();
        clipboardHeight = picture.height();
        clipboardPicture = &picture;
    }

    void showPrintSetup() override { ++printSetupCount; }
    int printerPageWidth() override { return pageWidth; }
    bool beginPrintJob() override {
        if (beginFails) {
            return false;
        }
        printJobs.push_back({});
        printJobs.back().begun = true;
        return true;
    }
    bool printText(int x, int y, const std::string& text) override {
        if (textFails) {
            return false;
        }
        printJobs.back().texts.push_back({{x, y}, text});
        return true;
    }
    bool printPicture(const Canvas& picture, const Rect& pageRect) override {
        if (printerFails) {
            return false;
        }
        printJobs.back().pictures.push_back(pageRect);
        printJobs.back().pictureWidth = picture.width();
        printJobs.back().pictureHeight = picture.height();
        return true;
    }
    bool endPrintJob() override {
        printJobs.back().ended = !endFails;
        return !endFails;
    }
    void abortPrintJob() override { printJobs.back().aborted = true; }
};
