// SPDX-License-Identifier: MIT
#include "app/desktop_identity.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QString>
#include <memory>
#include <string>

#include "app/main_window_view.h"
#include "canvas/qt_canvas.h"
#include "shell/edition.h"
#include "shell/treframain.h"
#include "support/recording_platform.h"

namespace {

struct EditionOnTheDesktop {
    const char* executable;
    const char* windowClass;
    const char* desktopEntry;
};

// A copy under another name is the reflection edition, and is grouped with it.
constexpr EditionOnTheDesktop kEditions[] = {
    {"Lumivex", "Lumivex", "lumivex"},
    {"Spekvale", "Spekvale", "spekvale"},
    {"Lumivex2", "Spekvale", "spekvale"},
};

// The main window as main() makes it, not yet shown: the first window Qt makes takes its
// class from the application's name as it is then.
struct UnshownMainWindow {
    explicit UnshownMainWindow(const std::string& executable) { platform.executable = executable; }
    RecordingPlatform platform;
    Treframain model{
        platform, [](int width, int height) { return std::make_unique<QtCanvas>(width, height); }};
    MainWindowView view{model};
};

class DesktopIdentityTest : public ::testing::Test {
  protected:
    void TearDown() override {
        QGuiApplication::setApplicationName(nameBefore_);
        QGuiApplication::setDesktopFileName(entryBefore_);
    }

  private:
    QString nameBefore_ = QGuiApplication::applicationName();
    QString entryBefore_ = QGuiApplication::desktopFileName();
};

TEST_F(DesktopIdentityTest, everyWindowCarriesItsEditionsClassFromBeforeItIsShownToTheEnd) {
    for (const EditionOnTheDesktop& edition : kEditions) {
        SCOPED_TRACE(edition.executable);
        useDesktopIdentity(desktopIdentity(isRefractionEdition(edition.executable)));
        UnshownMainWindow window(edition.executable);
        EXPECT_EQ(QGuiApplication::applicationName().toStdString(), edition.windowClass);

        window.view.show();
        QApplication::processEvents();
        window.view.close();
        EXPECT_EQ(QGuiApplication::applicationName().toStdString(), edition.windowClass);
        EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), edition.desktopEntry);
    }
}

TEST_F(DesktopIdentityTest, eachDesktopEntryNamesItsEditionsWindowClassAndIcon) {
    for (const EditionOnTheDesktop& edition : kEditions) {
        SCOPED_TRACE(edition.executable);
        QFile entry(QStringLiteral(LIGHTBOX_RESOURCES_DIR "/%1.desktop").arg(edition.desktopEntry));
        ASSERT_TRUE(entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(entry.readAll()).split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.contains(QStringLiteral("StartupWMClass=%1").arg(edition.windowClass)));
        EXPECT_TRUE(lines.contains(QStringLiteral("Icon=%1").arg(edition.desktopEntry)));
    }
}

}  // namespace
