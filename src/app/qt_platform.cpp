// SPDX-License-Identifier: MIT
#include "app/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "canvas/qt_canvas.h"
#include "controls/translation.h"
#include "shell/edition.h"

QImage imageOf(const Canvas& canvas) {
    if (const auto* qtCanvas = dynamic_cast<const QtCanvas*>(&canvas)) {
        return qtCanvas->image().copy();
    }
    QImage image(canvas.width(), canvas.height(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            image.setPixel(x, y, toQRgb(canvas.pixel(x, y)));
        }
    }
    return image;
}

QtPlatform::QtPlatform(const char* argv0)
    : executableName_(executableBaseName(argv0 != nullptr ? argv0 : "")) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::setModalWindow(ModalWindow window, std::function<void()> showModally) {
    modalWindows_[window] = std::move(showModally);
}

ScreenSize QtPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->geometry().width(), screen->geometry().height()};
}

std::uint64_t QtPlatform::clockSeed() const {
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

void QtPlatform::showModal(ModalWindow window) {
    const auto found = modalWindows_.find(window);
    if (found != modalWindows_.end() && found->second) {
        found->second();
    }
}

void QtPlatform::messageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    const QString lines =
        QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QMessageBox::Icon boxIcon = icon == MessageIcon::Information ? QMessageBox::Information
                                      : icon == MessageIcon::Warning   ? QMessageBox::Warning
                                                                       : QMessageBox::Critical;
    QMessageBox box(boxIcon, QString::fromStdString(caption), lines, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

void QtPlatform::minimiseApplication() {
    // The window is minimised, not hidden: hidden, it would leave no task-bar entry to
    // bring it back.
    if (mainWindow_ != nullptr && !mainWindow_->isMinimized()) {
        mainWindow_->showMinimized();
    }
}

void QtPlatform::closeMainWindow() {
    if (mainWindow_ != nullptr) {
        mainWindow_->close();
    }
}

void QtPlatform::openHelp(int context) {
    //: The help of the refraction edition (Lumivex). "View" is the name of the menu.
    const std::string refraction = text::translate(
        "Help",
        "Refraction: choose an experiment from View, drag the handles and measure with the "
        "ruler and protractor.");
    //: The help of the reflection edition (Spekvale). "View" is the name of the menu.
    const std::string reflection = text::translate(
        "Help",
        "Reflection: choose a mirror from View, drag the handles and measure with the ruler "
        "and protractor.");
    const std::string& topic = context == 2000 ? refraction : reflection;
    //: Title of the help message box.
    QMessageBox::information(mainWindow_, QString::fromStdString(text::translate("Help", "Help")),
                             QString::fromStdString(topic));
}

void QtPlatform::copyToClipboard(const Canvas& picture) {
    // Qt offers the image to other programs in every image format it can write (PNG and
    // BMP among them), and as a device-independent bitmap where the system has one.
    QGuiApplication::clipboard()->setImage(imageOf(picture));
}

// The page's distances are printer pixels: 150 and 300 from the edges of the printable
// area. At 600 dpi they make quarter-inch margins and leave the name line, in the printer's
// default font, room above the picture; at the 1200 dpi Qt writes PDF at, the picture would
// cut through the line's descenders.
constexpr int kPrinterResolution = 600;

QPrinter& QtPlatform::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setResolution(kPrinterResolution);
    }
    return *printer_;
}

// Without a system printer Qt falls back to writing PDF, which needs a file to write to.
// Beginning a PDF job without one would also leave Qt's printer refusing later settings.
bool QtPlatform::hasDestination() {
    const QPrinter& current = printer();
    return current.outputFormat() == QPrinter::PdfFormat ? !current.outputFileName().isEmpty()
                                                         : !current.printerName().isEmpty();
}

void QtPlatform::showPrintSetup() {
    QPrintDialog dialog(&printer(), mainWindow_);
    dialog.exec();
}

int QtPlatform::printerPageWidth() {
    if (!hasDestination()) {
        return 0;
    }
    const QPrinter& current = printer();
    return current.pageLayout().paintRectPixels(current.resolution()).width();
}

// The page is composed here and reaches the printer only in endPrintJob: Qt cannot take
// back a page it has begun on Linux, where aborting a PDF or CUPS job is not supported.
bool QtPlatform::beginPrintJob() {
    if (!hasDestination()) {
        return false;
    }
    page_.emplace();
    return true;
}

bool QtPlatform::printText(int x, int y, const std::string& text) {
    if (!page_) {
        return false;
    }
    page_->addText(QPoint(x, y), QString::fromStdString(text));
    return true;
}

bool QtPlatform::printPicture(const Canvas& picture, const Rect& pageRect) {
    const QImage image = imageOf(picture);
    const QRect target(pageRect.left, pageRect.top, pageRect.width(), pageRect.height());
    if (!page_ || image.isNull() || target.isEmpty()) {
        return false;
    }
    page_->addPicture(target, image);
    return true;
}

bool QtPlatform::endPrintJob() {
    if (!page_) {
        return false;
    }
    const PrintedPage page = std::move(*page_);
    page_.reset();
    QPainter painter;
    if (!painter.begin(&printer())) {
        return false;
    }
    page.paint(painter);
    return painter.end() && printer().printerState() != QPrinter::Error;
}

void QtPlatform::abortPrintJob() {
    page_.reset();
}
