// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "shell/application.h"
#include "support/main_window_fixture.h"
#include "support/sequence_random.h"

namespace {

struct NamedWindow : StartedWindowFixture {
    EditBox userName;
    NamedWindow() {
        userName.text = "Ann";
        window.userNameBox = &userName;
    }
};

bool holdsTheWholeBench(const RecordingPlatform& platform, Treframain& window) {
    return platform.clipboardPicture == &window.planeCanvas() && platform.clipboardWidth == 769 &&
           platform.clipboardHeight == 344;
}

TEST(CopyCommand, bothCopyItemsPutTheWholeBenchPictureOnTheClipboard) {
    for (const bool fromThePopUp : {false, true}) {
        StartedWindowFixture fixture;
        (fromThePopUp ? fixture.window.copy1 : fixture.window.copy2).click();
        EXPECT_EQ(fixture.platform.clipboardCount, 1);
        EXPECT_TRUE(holdsTheWholeBench(fixture.platform, fixture.window));
        EXPECT_TRUE(fixture.platform.printJobs.empty());
    }
}

TEST(PrintCommand, bothPrintItemsCopyThenPrintTheBenchWithTheName) {
    for (const bool fromThePopUp : {false, true}) {
        NamedWindow fixture;
        (fromThePopUp ? fixture.window.Print2 : fixture.window.print1).click();
        EXPECT_EQ(fixture.platform.clipboardCount, 1);
        EXPECT_TRUE(holdsTheWholeBench(fixture.platform, fixture.window));
        ASSERT_EQ(fixture.platform.printJobs.size(), 1U);
        const RecordedPrintJob& job = fixture.platform.printJobs[0];
        EXPECT_TRUE(job.ended);
        ASSERT_EQ(job.texts.size(), 1U);
        EXPECT_EQ(job.texts[0].second, "Printed by: Ann");
        EXPECT_EQ(job.pictureWidth, 769);
        EXPECT_EQ(job.pictureHeight, 344);
    }
}

TEST(PrintCommand, withNoNameSourceThePageCarriesNoName) {
    StartedWindowFixture fixture;
    fixture.window.print1.click();
    ASSERT_EQ(fixture.platform.printJobs.size(), 1U);
    EXPECT_TRUE(fixture.platform.printJobs[0].texts.empty());
}

TEST(PrintCommand, leavesTheWholeBenchOnTheClipboardAfterASelectionWasCopied) {
    NamedWindow fixture;
    Treframain& w = fixture.window;
    w.Enablecopyselect1.click();
    w.planeimMouseDown(MouseButton::Left, 300, 200);
    w.planeimMouseMove(100, 50);
    w.planeimMouseUp(MouseButton::Left, 100, 50);
    ASSERT_EQ(fixture.platform.clipboardPicture, w.Image1.canvas.get());

    w.print1.click();
    EXPECT_EQ(fixture.platform.clipboardCount, 2);
    EXPECT_TRUE(holdsTheWholeBench(fixture.platform, w));
}

TEST(PrintCommand, evenAFailedPrintLeavesThePictureOnTheClipboard) {
    NamedWindow fixture;
    fixture.platform.pageWidth = 0;
    fixture.window.print1.click();
    EXPECT_TRUE(holdsTheWholeBench(fixture.platform, fixture.window));
    EXPECT_TRUE(fixture.platform.printJobs.empty());
    EXPECT_EQ(fixture.platform.messages.size(), 1U);
}

TEST(OutputCommands, printSetupAndUserNameOpenTheirDialogs) {
    StartedWindowFixture fixture;
    fixture.window.PrintSetup1.click();
    EXPECT_EQ(fixture.platform.printSetupCount, 1);
    fixture.window.UserName1.click();
    EXPECT_EQ(fixture.platform.modalsShown, std::vector<ModalWindow>{ModalWindow::UserName});
}

// The whole program: the name typed into the dialog is the one the main window prints,
// and it stays for the rest of the run.
TEST(OutputCommands, theNameTypedInTheDialogIsPrintedOnEveryLaterPage) {
    RecordingPlatform platform;
    SequenceRandom random{{0.5}};
    Application application(platform, random, [](int width, int height) {
        return std::make_unique<RecordingCanvas>(width, height);
    });
    platform.whileModal = [&application](ModalWindow window) {
        if (window == ModalWindow::UserName) {
            application.Whoami.Iam.text = "Ann";
            application.Whoami.IamKeyPress('\r');
        }
    };
    Treframain& w = application.reframain;
    w.print1.click();
    w.UserName1.click();
    w.print1.click();
    w.Print2.click();

    ASSERT_EQ(platform.printJobs.size(), 3U);
    EXPECT_TRUE(platform.printJobs[0].texts.empty());
    for (const std::size_t job : {1U, 2U}) {
        ASSERT_EQ(platform.printJobs[job].texts.size(), 1U);
        EXPECT_EQ(platform.printJobs[job].texts[0].second, "Printed by: Ann");
    }
}

}  // namespace
