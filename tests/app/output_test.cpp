// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "app/main_window_view.h"
#include "app/printed_page.h"
#include "app/qt_platform.h"
#include "app/whoami_view.h"
#include "canvas/qt_canvas.h"
#include "output/twhoami.h"
#include "shell/treframain.h"

namespace {

// The main window on the real Qt platform: real clipboard, real printer.
struct ProgramOnScreen {
    ProgramOnScreen() {
        userName.text = "Ann";
        model.userNameBox = &userName;
        view.show();
        QApplication::processEvents();
    }

    QtPlatform platform{"Lumivex"};
    Treframain model{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    MainWindowView view{model};
    EditBox userName;

    const QImage& bench() { return static_cast<const QtCanvas&>(model.planeCanvas()).image(); }

    void trigger(const QString& menu, const QString& item) {
        for (QAction* top : view.menuBar()->actions()) {
            if (top->text() == menu && top->menu() != nullptr) {
                for (QAction* action : top->menu()->actions()) {
                    if (action->text() == item) {
                        action->trigger();
                        return;
                    }
                }
            }
        }
        FAIL() << "no menu item " << item.toStdString();
    }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        QWidget* bench = view.benchPicture();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, bench->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(bench, &event);
    }

    void select(QPoint from, QPoint to) {
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
    }

    // Prints go into a PDF file in a folder of the test's own.
    QString printToFile() {
        const QString file = folder.filePath("page.pdf");
        platform.printer().setOutputFormat(QPrinter::PdfFormat);
        platform.printer().setOutputFileName(file);
        return file;
    }
    QTemporaryDir folder;
};

QImage clipboardImage() {
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

// What a PDF file says about itself, read from its uncompressed object dictionaries.
struct PdfSummary {
    explicit PdfSummary(const QString& path) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            bytes = file.readAll();
        }
    }
    int count(const QString& pattern) const {
        return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression(pattern)));
    }
    int pages() const { return count(QStringLiteral("/Type\\s*/Page(?!s)")); }
    int fonts() const { return count(QStringLiteral("/Type\\s*/Font\\b")); }
    QByteArray bytes;
};

TEST(CopyOnScreen, copyPutsTheWholeBenchPictureOnTheClipboard) {
    ProgramOnScreen program;
    QGuiApplication::clipboard()->clear();
    program.trigger("&Edit", "&Copy");
    const QImage copied = clipboardImage();
    EXPECT_EQ(copied.size(), QSize(769, 344));
    EXPECT_EQ(copied, program.bench());
}

TEST(CopyOnScreen, aDraggedSelectionPutsThatRectangleOnTheClipboard) {
    ProgramOnScreen program;
    program.trigger("&Edit", "Enable Copy &Select");
    program.select({300, 200}, {100, 50});
    const QImage copied = clipboardImage();
    EXPECT_EQ(copied.size(), QSize(200, 150));
    EXPECT_EQ(copied, program.bench().copy(100, 50, 200, 150));
}

TEST(PrintOnScreen, printsOnePageWithTheBenchPictureAndTheNameLine) {
    ProgramOnScreen program;
    const QString file = program.printToFile();
    program.trigger("&Edit", "&Print");

    const PdfSummary pdf(file);
    ASSERT_FALSE(pdf.bytes.isEmpty());
    EXPECT_TRUE(pdf.bytes.startsWith("%PDF"));
    EXPECT_EQ(pdf.pages(), 1);
    EXPECT_EQ(pdf.count(QStringLiteral("/Subtype\\s*/Image\\s*/Width 769\\s*/Height 344")), 1);
    EXPECT_EQ(pdf.count(QStringLiteral("/DCTDecode")), 0);  // never as a lossy JPEG
    EXPECT_GE(pdf.fonts(), 1);
}

TEST(PrintOnScreen, withoutANameThePageHasNoText) {
    ProgramOnScreen program;
    program.userName.text.clear();
    const QString file = program.printToFile();
    program.trigger("&Edit", "&Print");

    const PdfSummary pdf(file);
    EXPECT_EQ(pdf.pages(), 1);
    EXPECT_EQ(pdf.count(QStringLiteral("/Width 769\\s*/Height 344")), 1);
    EXPECT_EQ(pdf.fonts(), 0);
}

TEST(PrintOnScreen, printingLeavesTheWholeBenchOnTheClipboardAfterASelection) {
    ProgramOnScreen program;
    program.printToFile();
    program.trigger("&Edit", "Enable Copy &Select");
    program.select({300, 200}, {100, 50});
    ASSERT_EQ(clipboardImage().size(), QSize(200, 150));

    program.trigger("&Edit", "&Print");
    EXPECT_EQ(clipboardImage(), program.bench());
}

// Drawn on a plain image, the page shows where each item lands: the text's top at its
// corner, the picture stretched pixel for pixel onto its rectangle.
TEST(PrintedPageOnScreen, placesTheTextByItsTopLeftAndStretchesThePicture) {
    QImage picture(4, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0),     qRgb(0, 128, 0),   qRgb(0, 0, 255),
                            qRgb(255, 255, 0),   qRgb(0, 255, 255), qRgb(255, 0, 255),
                            qRgb(128, 128, 128), qRgb(0, 0, 0)};
    for (int i = 0; i < 8; ++i) {
        picture.setPixel(i % 4, i / 4, colours[i]);
    }
    PrintedPage page;
    page.addText({0, 150}, QStringLiteral("Printed by: Ann"));
    page.addPicture({150, 300, 40, 20}, picture);  // ten times larger

    QImage paper(400, 400, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    page.paint(painter);
    painter.end();

    for (int i = 0; i < 8; ++i) {
        const int x = 150 + (i % 4) * 10;
        const int y = 300 + (i / 4) * 10;
        EXPECT_EQ(paper.pixel(x, y), colours[i]) << i;
        EXPECT_EQ(paper.pixel(x + 9, y + 9), colours[i]) << i;
    }
    EXPECT_EQ(paper.pixel(149, 300), qRgb(255, 255, 255));
    EXPECT_EQ(paper.pixel(190, 300), qRgb(255, 255, 255));
    EXPECT_EQ(paper.pixel(150, 320), qRgb(255, 255, 255));

    int inkAbove = 0;
    int inkInTheLine = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 400; ++x) {
            const bool ink = qGray(paper.pixel(x, y)) < 128;
            (y < 150 ? inkAbove : inkInTheLine) += ink;
        }
    }
    EXPECT_EQ(inkAbove, 0);
    EXPECT_GT(inkInTheLine, 0);
}

// Until a printer or a file is chosen there is nothing to print on; choosing one later
// works.
TEST(PrinterOnScreen, withNothingToPrintOnThereIsNoPageUntilAFileIsChosen) {
    QtPlatform platform("Lumivex");
    platform.printer().setOutputFormat(QPrinter::PdfFormat);
    platform.printer().setOutputFileName(QString());
    EXPECT_EQ(platform.printerPageWidth(), 0);
    EXPECT_FALSE(platform.beginPrintJob());
    EXPECT_FALSE(platform.endPrintJob());

    QTemporaryDir folder;
    const QString file = folder.filePath("page.pdf");
    platform.printer().setOutputFileName(file);
    EXPECT_GT(platform.printerPageWidth(), 300);
    const QtCanvas picture(10, 10);
    EXPECT_TRUE(platform.beginPrintJob() && platform.printPicture(picture, {150, 300, 250, 400}) &&
                platform.endPrintJob());
    EXPECT_EQ(PdfSummary(file).pages(), 1);
}

TEST(PrinterOnScreen, thePageWidthIsThePrintableWidthInPrinterPixels) {
    QtPlatform platform("Lumivex");
    QTemporaryDir folder;
    QPrinter& printer = platform.printer();
    printer.setOutputFileName(folder.filePath("page.pdf"));
    printer.setResolution(1200);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                      QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch));
    EXPECT_EQ(platform.printerPageWidth(), 9000);  // (8.5 - 2 x 0.5) inches x 1200
}

// The name line stands 150 printer pixels above the picture; the printer's own font must
// fit there, or the picture would cover the bottom of the letters.
TEST(PrinterOnScreen, theNameLineFitsAboveThePicture) {
    QtPlatform platform("Lumivex");
    QTemporaryDir folder;
    platform.printer().setOutputFileName(folder.filePath("page.pdf"));
    QPainter painter;
    ASSERT_TRUE(painter.begin(&platform.printer()));
    const int lineHeight = painter.fontMetrics().height();
    painter.end();
    EXPECT_LE(lineHeight, 150);
    EXPECT_GE(lineHeight, 30);  // still a line to read
}

// Nothing of a job reaches the file before it ends, so one given up leaves no trace.
TEST(PrinterOnScreen, anAbortedJobLeavesNoFile) {
    QtPlatform platform("Lumivex");
    QTemporaryDir folder;
    const QString file = folder.filePath("page.pdf");
    platform.printer().setOutputFileName(file);

    ASSERT_TRUE(platform.beginPrintJob());
    EXPECT_TRUE(platform.printText(0, 150, "Printed by: Ann"));
    const QtCanvas empty(0, 0);
    EXPECT_FALSE(platform.printPicture(empty, {150, 300, 450, 400}));
    platform.abortPrintJob();
    EXPECT_FALSE(platform.endPrintJob());
    EXPECT_FALSE(QFile::exists(file));
}

// A failed job leaves the printer ready for the next choice of file.
TEST(PrinterOnScreen, afterAFileThatCannotBeWrittenAnotherFileStillPrints) {
    QtPlatform platform("Lumivex");
    QTemporaryDir folder;
    const QtCanvas picture(10, 10);
    const auto printOnePage = [&platform, &picture] {
        return platform.beginPrintJob() && platform.printPicture(picture, {150, 300, 250, 400}) &&
               platform.endPrintJob();
    };
    platform.printer().setOutputFileName(folder.filePath("no such folder/page.pdf"));
    EXPECT_FALSE(printOnePage());

    const QString file = folder.filePath("page.pdf");
    platform.printer().setOutputFileName(file);
    EXPECT_EQ(platform.printer().outputFileName(), file);
    EXPECT_TRUE(printOnePage());
    EXPECT_EQ(PdfSummary(file).pages(), 1);
}

struct NameDialogOnScreen {
    TWhoami model;
    WhoamiView view{model};

    QLineEdit& nameBox() { return *view.findChild<QLineEdit*>("Iam"); }
    void key(QWidget& target, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(&target, &release);
    }
    void type(const QString& text) {
        for (const QChar character : text) {
            key(nameBox(), character.unicode(), QString(character));
        }
    }
};

TEST(NameDialogOnScreen, isBuiltFromItsModelWithoutACloseBox) {
    NameDialogOnScreen dialog;
    EXPECT_EQ(dialog.view.windowTitle(), "I am ....");
    EXPECT_EQ(dialog.view.size(), QSize(204, 143));
    EXPECT_FALSE(dialog.view.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(dialog.view.windowFlags().testFlag(Qt::WindowSystemMenuHint));
    EXPECT_EQ(dialog.view.findChild<QGroupBox*>("GroupBox1")->geometry(), QRect(10, 12, 180, 63));
    EXPECT_EQ(dialog.nameBox().geometry(), QRect(23, 23, 121, 24));
    EXPECT_EQ(dialog.view.findChild<QLabel*>("Label1")->text(), "Name will appear on printout");
    const QPushButton& ok = *dialog.view.findChild<QPushButton*>("Button1");
    EXPECT_EQ(ok.geometry(), QRect(51, 101, 89, 33));
    EXPECT_EQ(ok.text(), "Ok");
}

// Shown modally as the program shows it: typing fills the model's name, Enter closes
// the dialog with OK and the name stays. A watchdog ends the dialog if Enter does not.
TEST(NameDialogOnScreen, enterInTheNameBoxClosesTheDialogKeepingTheName) {
    NameDialogOnScreen dialog;
    bool focusedOnShow = false;
    QTimer::singleShot(0, &dialog.view, [&dialog, &focusedOnShow] {
        focusedOnShow = dialog.view.focusWidget() == &dialog.nameBox();
        dialog.type(QStringLiteral("Ann"));
        dialog.key(dialog.nameBox(), Qt::Key_Return);
    });
    QTimer::singleShot(5000, &dialog.view, [&dialog] { dialog.view.done(-1); });

    EXPECT_EQ(dialog.view.exec(), QDialog::Accepted);
    EXPECT_TRUE(focusedOnShow);
    EXPECT_EQ(dialog.model.Iam.text, "Ann");
    EXPECT_FALSE(dialog.view.isVisible());

    dialog.view.show();
    EXPECT_EQ(dialog.nameBox().text(), "Ann");
}

TEST(NameDialogOnScreen, escapeAndClosingDoNotCancelIt) {
    NameDialogOnScreen dialog;
    dialog.view.show();
    dialog.type(QStringLiteral("Bo"));
    dialog.key(dialog.nameBox(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.view.isVisible());
    EXPECT_FALSE(dialog.view.close());
    EXPECT_TRUE(dialog.view.isVisible());
    EXPECT_EQ(dialog.model.Iam.text, "Bo");

    dialog.view.findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(dialog.view.isVisible());
    EXPECT_EQ(dialog.view.result(), QDialog::Accepted);
}

}  // namespace
