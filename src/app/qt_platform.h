// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/printed_page.h"
#include "platform/platform.h"

class QPrinter;

// The Platform port on Qt: dialogs, message boxes, the clipboard and the printer.
class QtPlatform : public Platform {
  public:
    // argv0 is the program's argv[0]; its base name chooses the edition.
    explicit QtPlatform(const char* argv0);
    ~QtPlatform() override;

    void setMainWindow(QWidget* window) { mainWindow_ = window; }
    // The printer of the whole run, made when first needed: Print Setup changes it, and
    // every print job goes to it.
    QPrinter& printer();
    // How to show each modal window; the call returns when the window closes.
    void setModalWindow(ModalWindow window, std::function<void()> showModally);

    std::string executableName() const override { return executableName_; }
    ScreenSize screenSize() const override;
    std::uint64_t clockSeed() const override;

    void showModal(ModalWindow window) override;
    void messageBox(const std::string& text, const std::string& caption, MessageIcon icon) override;
    void minimiseApplication() override;
    void closeMainWindow() override;
    void openHelp(int context) override;

    void copyToClipboard(const Canvas& picture) override;

    void showPrintSetup() override;
    int printerPageWidth() override;
    bool beginPrintJob() override;
    bool printText(int x, int y, const std::string& text) override;
    bool printPicture(const Canvas& picture, const Rect& pageRect) override;
    bool endPrintJob() override;
    void abortPrintJob() override;

  private:
    bool hasDestination();

    std::string executableName_;
    QPointer<QWidget> mainWindow_;
    std::map<ModalWindow, std::function<void()>> modalWindows_;
    std::unique_ptr<QPrinter> printer_;
    std::optional<PrintedPage> page_;  // the job under way
};

// The picture of a canvas as a QImage (a copy).
class QImage;
QImage imageOf(const Canvas& canvas);
