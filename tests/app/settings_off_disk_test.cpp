// SPDX-License-Identifier: MIT
// Qt's dialogs run here against a profile of their own: HOME and XDG_CONFIG_HOME point into
// an empty temporary folder before Qt starts, as a school machine's fresh profile would be,
// and whatever a dialog writes there shows.
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

// The folders a dialog could keep its state in, by the variable that names each.
constexpr const char* kProfileFolders[] = {"HOME", "XDG_CONFIG_HOME"};

// Every file and folder below the one a variable names (the folder itself need not exist).
QStringList contentsOfFolderNamedBy(const char* variable) {
    const QString folder = qEnvironmentVariable(variable);
    QStringList found;
    QDir dir(folder);
    if (!dir.exists()) {
        return found;
    }
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        found << entry.fileName();
    }
    return found;
}

QAbstractButton* buttonCaptioned(QWidget& window, const QString& caption) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->text() == caption && button->isVisible()) {
            return button;
        }
    }
    return nullptr;
}

// Opens Print Setup as the Edit menu does, presses its "..." and closes the file browser
// that opens and then Print Setup, each by cancelling. Returns whether the browser opened.
bool openAndCloseTheFileBrowserOfPrintSetup(QtPlatform& platform) {
    bool browserOpened = false;
    QTimer::singleShot(0, [&browserOpened] {
        QWidget* printSetup = QApplication::activeModalWidget();
        ASSERT_NE(printSetup, nullptr);
        QAbstractButton* browse = buttonCaptioned(*printSetup, QStringLiteral("..."));
        ASSERT_NE(browse, nullptr) << "Print Setup shows no \"...\" button";
        QTimer::singleShot(0, [&browserOpened, printSetup] {
            if (auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                browserOpened = true;
                browser->reject();
            }
            QTimer::singleShot(0, printSetup, [printSetup] {
                if (auto* dialog = qobject_cast<QDialog*>(printSetup)) {
                    dialog->reject();
                }
            });
        });
        browse->click();
    });
    // Whatever the dialogs do, the test ends.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        while (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->done(QDialog::Rejected);
            QApplication::processEvents();
        }
    });
    watchdog.start(10000);
    platform.showPrintSetup();
    return browserOpened;
}

TEST(SettingsOffDisk, theFileBrowserOfPrintSetupLeavesTheProfileEmpty) {
    for (const char* variable : kProfileFolders) {
        ASSERT_TRUE(contentsOfFolderNamedBy(variable).isEmpty()) << variable;
    }
    keepSettingsOffDisk();
    QtPlatform platform("Spekvale");
    // A file destination, as on a machine without printers: there "..." chooses the file.
    platform.printer().setOutputFormat(QPrinter::PdfFormat);

    ASSERT_TRUE(openAndCloseTheFileBrowserOfPrintSetup(platform));

    for (const char* variable : kProfileFolders) {
        const QStringList written = contentsOfFolderNamedBy(variable);
        EXPECT_TRUE(written.isEmpty())
            << variable << " now holds: " << written.join(QStringLiteral(", ")).toStdString();
    }
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // The configuration folder lies inside the home folder and is not made: the home
    // folder stays empty only if nothing is written to either.
    const QTemporaryDir profile;
    if (!profile.isValid()) {
        return EXIT_FAILURE;
    }
    setenv("HOME", profile.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", profile.filePath(QStringLiteral(".config")).toLocal8Bit().constData(),
           1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
