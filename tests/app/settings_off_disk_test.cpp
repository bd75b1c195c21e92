// SPDX-License-Identifier: MIT
// Qt's dialogs run here against a profile of their own: HOME points to an empty temporary
// folder and XDG_CONFIG_HOME into it before Qt starts, as on a school machine's fresh
// profile, and whatever a dialog writes there shows.
#include "app/settings_off_disk.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

#include "app/qt_platform.h"

namespace {

QStringList filesInTheHomeFolder() {
    return QDir(qEnvironmentVariable("HOME"))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Cancels a dialog, as Escape would.
void cancel(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->reject();
    }
}

// Opens Print Setup as the Edit menu does, presses its "..." and cancels the file browser
// that opens, then Print Setup. Returns whether the browser opened.
bool openAndCloseTheFileBrowserOfPrintSetup(QtPlatform& platform) {
    bool browserOpened = false;
    QTimer::singleShot(0, [&browserOpened] {
        QWidget* printSetup = QApplication::activeModalWidget();
        for (QAbstractButton* button : printSetup->findChildren<QAbstractButton*>()) {
            if (button->text() == QStringLiteral("...") && button->isVisible()) {
                QTimer::singleShot(0, [&browserOpened, printSetup] {
                    QWidget* browser = QApplication::activeModalWidget();
                    browserOpened = qobject_cast<QFileDialog*>(browser) != nullptr;
                    cancel(browser);
                    QTimer::singleShot(0, printSetup, [printSetup] { cancel(printSetup); });
                });
                button->click();
                return;
            }
        }
        cancel(printSetup);
    });
    // Whatever the dialogs do, the test ends.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout,
                     [] { cancel(QApplication::activeModalWidget()); });
    watchdog.start(10000);
    platform.showPrintSetup();
    return browserOpened;
}

TEST(SettingsOffDisk, theFileBrowserOfPrintSetupLeavesTheProfileEmpty) {
    ASSERT_EQ(filesInTheHomeFolder(), QStringList());
    keepSettingsOffDisk();
    QtPlatform platform("Spekvale");
    // A file destination, as on a machine without printers: there "..." chooses the file.
    platform.printer().setOutputFormat(QPrinter::PdfFormat);

    ASSERT_TRUE(openAndCloseTheFileBrowserOfPrintSetup(platform));

    const QStringList written = filesInTheHomeFolder();
    EXPECT_TRUE(written.isEmpty()) << "now holds: " << written.join(", ").toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    const QTemporaryDir home;
    if (!home.isValid()) {
        return EXIT_FAILURE;
    }
    // The configuration folder is not made: the home folder stays empty only if nothing is
    // written to either.
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", home.filePath(".config").toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
