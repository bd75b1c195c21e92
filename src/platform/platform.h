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

    // Puts the whole canvas on the clipboard as a picture, offered in the image formats
    // other programs paste.
    virtual void copyToClipboard(const Canvas& picture) = 0;

    // The printer: one for the whole run, the current printer of every print job.
    //
    // The standard print dialog; the printer or the file chosen there serves later jobs.
    virtual void showPrintSetup() = 0;
    // The printable width of the current printer's page, in printer pixels; 0 when there is
    // nothing to print on (no printer, and no file chosen to print into).
    virtual int printerPageWidth() = 0;
    // A job is one page. Nothing reaches the printer before endPrintJob sends the page
    // whole, so that abortPrintJob, at any point after beginPrintJob, leaves no trace of the
    // job. beginPrintJob answers false when no job could be started; printText and
    // printPicture answer false when they failed, and the caller then aborts the job.
    virtual bool beginPrintJob() = 0;
    // The text with its top-left corner at (x, y), in the printer's default font.
    virtual bool printText(int x, int y, const std::string& text) = 0;
    // Stretches the whole picture onto the page rectangle, pixels taken unchanged.
    virtual bool printPicture(const Canvas& picture, const Rect& pageRect) = 0;
    // Sends the page. The job is over either way.
    virtual bool endPrintJob() = 0;
    virtual void abortPrintJob() = 0;
};
