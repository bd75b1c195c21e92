// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/about_view.h"
#include "app/desktop_identity.h"
#include "app/display_check.h"
#include "app/main_window_view.h"
#include "app/practice_view.h"
#include "app/qt_platform.h"
#include "app/qt_text_catalogue.h"
#include "app/settings_off_disk.h"
#include "app/whoami_view.h"
#include "canvas/picture_memory.h"
#include "canvas/qt_canvas.h"
#include "shell/application.h"
#include "shell/edition.h"

namespace {

std::string environmentVariable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
    // The language comes first: even the line of a start without a display speaks it.
    QtTextCatalogue catalogue;
    text::useCatalogue(&catalogue);
    handFreedPicturesBack();
    const char* programName = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    // Without a display Qt would abort with its plugin diagnostics (and a core dump); a
    // student started from a text console is told what is missing instead.
    if (const std::optional<std::string> missing = missingDisplay(environmentVariable)) {
        const bool refraction = isRefractionEdition(executableBaseName(programName));
        std::fprintf(stderr, "%s\n",
                     noDisplayMessage(refraction ? "Lumivex" : "Spekvale", *missing).c_str());
        return EXIT_FAILURE;
    }
    // Pictures are drawn pixel by pixel: on a high-density screen they are shown at a whole
    // multiple of their size, never blurred by a fractional scale.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Qt takes options of its own from the command line (-stylesheet reads a file,
    // -qwindowtitle renames the window, -platform picks another window system). The program
    // takes none, so Qt sees only its name; the platform still comes from QT_QPA_PLATFORM.
    std::string qtProgramName = programName;
    int qtArgc = 1;
    char* qtArgv[] = {qtProgramName.data(), nullptr};
    QApplication qtApplication(qtArgc, qtArgv);
    catalogue.installInApplication();
    keepSettingsOffDisk();

    // The edition comes from argv[0], not from the resolved executable path: a link or a
    // copy under another name is another edition.
    QtPlatform platform(programName);
    const bool refraction = isRefractionEdition(platform.executableName());
    useDesktopIdentity(desktopIdentity(refraction));
    QApplication::setWindowIcon(
        QIcon(refraction ? QStringLiteral(":/lumivex.png") : QStringLiteral(":/spekvale.png")));
    ClockSeededRandom random(platform.clockSeed());
    const CanvasFactory makeCanvas = [](int width, int height) {
        return std::make_unique<QtCanvas>(width, height);
    };
    Application application(platform, random, makeCanvas);

    MainWindowView mainWindow(application.reframain);
    PracticeView practice(application.Profrm, &mainWindow);
    WhoamiView whoami(application.Whoami, &mainWindow);
    AboutView about(application.reframain.aboutBox, &mainWindow);
    platform.setMainWindow(&mainWindow);
    platform.setModalWindow(ModalWindow::Practice, [&practice] { practice.exec(); });
    platform.setModalWindow(ModalWindow::UserName, [&whoami] { whoami.exec(); });
    platform.setModalWindow(ModalWindow::About, [&about] { about.showModally(); });

    mainWindow.show();
    const int status = QApplication::exec();
    text::useCatalogue(nullptr);
    return status;
}
