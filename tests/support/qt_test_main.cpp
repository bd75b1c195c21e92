// SPDX-License-Identifier: MIT
// Runs a test program that needs Qt under the offscreen platform, with one application
// object for the whole run, as the real program has.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#ifdef LIGHTBOX_WIDGETS_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#ifdef LIGHTBOX_OFFSCREEN_SCREENS
    // The windows open on a 1280 x 1024 desk screen, the size the models are told of, beside
    // the small and scaled screens a classroom may have. Qt orders the screens by name, the
    // first being the primary one, so the names begin with a letter in that order.
    if (std::string(std::getenv("QT_QPA_PLATFORM")) == "offscreen") {
        setenv("QT_QPA_PLATFORM", "offscreen:configfile=" LIGHTBOX_OFFSCREEN_SCREENS, 1);
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
