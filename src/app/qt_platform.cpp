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
    const QString topic = context == 2000 ? QStringLiteral(
                                                "Refraction: choose an experiment from View, "
                                                "drag the handles and measure with the ruler "
                                                "and protractor.")
                                          : QStringLiteral(
                                                "Reflection: choose a mirror from View, drag "
                                                "the handles and measure with the ruler and "
                                                "protractor.");
    QMessageBox::information(mainWindow_, QStringLiteral("Help"), topic);
}

void QtPlatform::copyToClipboard(const Canvas& picture) {
    QGuiApplication::clipboard()->setImage(imageOf(picture));
}

void QtPlatform::showPrintSetup() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    QPrintDialog dialog(printer_.get(), mainWindow_);
    dialog.exec();
}

int QtPlatform::printerPageWidth() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return printer_->pageLayout().paintRectPixels(printer_->resolution()).width();
}

bool QtPlatform::beginPrintJob() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    printPainter_ = std::make_unique<QPainter>();
    if (!printPainter_->begin(printer_.get())) {
        printPainter_.reset();
        return false;
    }
    return true;
}

void QtPlatform::printText(int x, int y, const std::string& text) {
    if (printPainter_) {
        const QFontMetrics metrics(printPainter_->font());
        printPainter_->drawText(x, y + metrics.ascent(), QString::fromStdString(text));
    }
}

bool QtPlatform::printPicture(const Canvas& picture, const Rect& pageRect) {
    if (!printPainter_) {
        return false;
    }
    printPainter_->drawImage(
        QRect(pageRect.left, pageRect.top, pageRect.width(), pageRect.height()), imageOf(picture));
    return true;
}

bool QtPlatform::endPrintJob() {
    if (!printPainter_) {
        return false;
    }
    const bool ended = printPainter_->end();
    printPainter_.reset();
    return ended;
}

void QtPlatform::abortPrintJob() {
    if (printer_) {
        printer_->abort();
    }
    if (printPainter_) {
        printPainter_->end();
        printPainter_.reset();
    }
}
