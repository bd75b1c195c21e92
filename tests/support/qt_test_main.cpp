// SPDX-License-Identifier: MIT
// Runs a test program that needs Qt under the offscreen platform, with one application
// object for the whole run, as the real program has.
#include <gtest/gtest.h>

#include <cstdlib>

#ifdef LIGHTBOX_WIDGETS_TESTS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
