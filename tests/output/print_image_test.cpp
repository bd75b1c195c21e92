// SPDX-License-Identifier: MIT
#include "output/print_image.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "canvas/recording_canvas.h"
#include "support/recording_platform.h"

namespace {

// A picture control the size of the bench picture.
struct BenchSizedPicture : Picture {
    BenchSizedPicture() {
        setBounds(14, 14, 769, 344);
        canvas = std::make_unique<RecordingCanvas>(769, 344);
    }
};

struct Printing {
    RecordingPlatform platform;
    BenchSizedPicture picture;

    bool print(const std::string& name = {}) { return PrintImage(platform, picture, name); }
    const RecordedPrintJob& job() const { return platform.printJobs.at(0); }
};

TEST(PrintImage, putsTheNameLineAboveThePictureOnOnePage) {
    Printing printing;
    printing.platform.pageWidth = 1838;  // 300 + 2 x 769: the picture doubles

    EXPECT_TRUE(printing.print("Ann"));
    ASSERT_EQ(printing.platform.printJobs.size(), 1U);
    const RecordedPrintJob& job = printing.job();
    EXPECT_TRUE(job.begun);
    EXPECT_TRUE(job.ended);
    EXPECT_FALSE(job.aborted);
    ASSERT_EQ(job.texts.size(), 1U);
    EXPECT_EQ(job.texts[0].first, (Point{0, 150}));
    EXPECT_EQ(job.texts[0].second, "Printed by: Ann");
    ASSERT_EQ(job.pictures.size(), 1U);
    EXPECT_EQ(job.pictures[0], (Rect{150, 300, 150 + 1538, 300 + 688}));
    EXPECT_EQ(job.pictureWidth, 769);
    EXPECT_EQ(job.pictureHeight, 344);
    EXPECT_TRUE(printing.platform.messages.empty());
}

TEST(PrintImage, withoutANameThePageHasNoTextAndThePictureStaysPut) {
    Printing printing;
    printing.platform.pageWidth = 1838;

    EXPECT_TRUE(printing.print());
    EXPECT_TRUE(printing.job().texts.empty());
    ASSERT_EQ(printing.job().pictures.size(), 1U);
    EXPECT_EQ(printing.job().pictures[0], (Rect{150, 300, 1688, 988}));
}

TEST(PrintImage, printsTheNameExactlyAsTyped) {
    Printing printing;
    const std::string typed = "  Zo\u00EB O'Brien-Smith ";

    printing.print(typed);
    ASSERT_EQ(printing.job().texts.size(), 1U);
    EXPECT_EQ(printing.job().texts[0].second, "Printed by:   Zo\u00EB O'Brien-Smith ");
}

// The picture fills the page width less 150 on each side, to the pixel, however wide the
// page; its height follows in proportion, truncated.
TEST(PrintImage, scalesThePictureEvenlyToThePageWidthLessTheMargins) {
    struct Page {
        int width;
        Rect picture;
    };
    const Page pages[] = {
        {1069, {150, 300, 919, 644}},    // 769 wide: one to one
        {1453, {150, 300, 1303, 815}},   // 1153 wide; 344 x 1153 / 769 = 515.78
        {4800, {150, 300, 4650, 2313}},  // 4500 wide; 344 x 4500 / 769 = 2013.00
        {9900, {150, 300, 9750, 4594}},  // 9600 wide; 344 x 9600 / 769 = 4294.41
    };
    for (const Page& page : pages) {
        Printing printing;
        printing.platform.pageWidth = page.width;
        printing.print("Ann");
        ASSERT_EQ(printing.job().pictures.size(), 1U) << page.width;
        EXPECT_EQ(printing.job().pictures[0], page.picture) << page.width;
    }
}

// A page no wider than the margins has no room for the picture: the user is told, and no
// job is begun (a width of 0 is how the platform says there is no printer at all).
TEST(PrintImage, withNoPrinterOrTooNarrowAPageNothingIsBegunAndTheUserIsTold) {
    for (const int pageWidth : {0, 250, 300}) {
        Printing printing;
        printing.platform.pageWidth = pageWidth;

        EXPECT_FALSE(printing.print("Ann")) << pageWidth;
        EXPECT_TRUE(printing.platform.printJobs.empty()) << pageWidth;
        ASSERT_EQ(printing.platform.messages.size(), 1U) << pageWidth;
        EXPECT_EQ(printing.platform.messages[0].icon, MessageIcon::Error);
        EXPECT_EQ(printing.platform.messages[0].caption, "Print");
    }
}

TEST(PrintImage, aPageWithRoomForNoRowOfThePictureIsRefused) {
    Printing printing;
    printing.platform.pageWidth = 301;  // 1 pixel wide: 344 / 769 truncates to no row

    EXPECT_FALSE(printing.print());
    EXPECT_TRUE(printing.platform.printJobs.empty());
    EXPECT_EQ(printing.platform.messages.size(), 1U);

    printing.platform.pageWidth = 303;  // 3 pixels wide, 1 row
    printing.platform.messages.clear();
    EXPECT_TRUE(printing.print());
    EXPECT_EQ(printing.job().pictures[0], (Rect{150, 300, 153, 301}));
}

// Whatever fails once the job has begun, the job is aborted, never ended, so no half
// page is printed; and the user hears of it.
TEST(PrintImage, aFailureAfterTheJobBeganAbortsItAndTellsTheUser) {
    struct Failure {
        const char* what;
        bool RecordingPlatform::*flag;
    };
    const Failure failures[] = {{"text", &RecordingPlatform::textFails},
                                {"picture", &RecordingPlatform::printerFails}};
    for (const Failure& failure : failures) {
        Printing printing;
        printing.platform.*failure.flag = true;

        EXPECT_FALSE(printing.print("Ann")) << failure.what;
        ASSERT_EQ(printing.platform.printJobs.size(), 1U) << failure.what;
        EXPECT_TRUE(printing.job().aborted) << failure.what;
        EXPECT_FALSE(printing.job().ended) << failure.what;
        ASSERT_EQ(printing.platform.messages.size(), 1U) << failure.what;
        EXPECT_EQ(printing.platform.messages[0].icon, MessageIcon::Error);
    }
}

TEST(PrintImage, aJobThatCannotStartOrBeSentIsReported) {
    Printing notStarted;
    notStarted.platform.beginFails = true;
    EXPECT_FALSE(notStarted.print("Ann"));
    EXPECT_TRUE(notStarted.platform.printJobs.empty());
    EXPECT_EQ(notStarted.platform.messages.size(), 1U);

    Printing notSent;
    notSent.platform.endFails = true;
    EXPECT_FALSE(notSent.print("Ann"));
    EXPECT_FALSE(notSent.job().aborted);
    ASSERT_EQ(notSent.platform.messages.size(), 1U);
    EXPECT_NE(notSent.platform.messages[0].text, notStarted.platform.messages[0].text);
}

}  // namespace
