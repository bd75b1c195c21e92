// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "canvas/canvas.h"

// The windows a model can ask the platform to show modally.
enum class ModalWindow { Practice, UserName, About };

enum class MessageIcon { Information, Warning, Error };

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Everything a window model needs from the desktop that it cannot do itself. The
// program implements it with Qt; tests use a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // The running executable's file name, without its folder (from argv[0]).
    virtual std::string executableName() const = 0;
    virtual ScreenSize screenSize() const = 0;
    // A seed for the random generator, taken from the clock.
    virtual std::uint64_t clockSeed() const = 0;

    virtual void showModal(ModalWindow window) = 0;
    // Lines of the text are separated by '\r'.
    virtual void messageBox(const std::string& text, const std::string& caption,
                            MessageIcon icon) = 0;
    virtual void minimiseApplication() = 0;
    virtual void closeMainWindow() = 0;
    virtual void openHelp(int context) = 0;

    // Puts the whole canvas on the clipboard as a picture.
    virtual void copyToClipboard(const Canvas& picture) = 0;

    // The standard print dialog; the printer chosen there serves later print jobs.
    virtual void showPrintSetup() = 0;
    // The current printer's page, in printer pixels; a width of 0 when there is no printer.
    virtual int printerPageWidth() = 0;
    // False when the job could not be started.
    virtual bool beginPrintJob() = 0;
    virtual void printText(int x, int y, const std::string& text) = 0;
    // Stretches the whole picture onto the page rectangle.
    virtual bool printPicture(const Canvas& picture, const Rect& pageRect) = 0;
    virtual bool endPrintJob() = 0;
    virtual void abortPrintJob() = 0;
};
