// SPDX-License-Identifier: MIT
#include "practice/tprofrm.h"

#include <gtest/gtest.h>

#include <vector>

#include "practice_window.h"

namespace {

constexpr double kDegreeTolerance = 1e-9;

TEST(PracticeWindow, isLaidOutAroundAPictureOfThreeHundredNinetySevenByTwoFortyFive) {
    PracticeWindow practice;
    const TProfrm& window = practice.window;
    EXPECT_EQ(window.form.caption, "Measurement Practice");
    EXPECT_EQ(window.form.clientWidth, 425);
    EXPECT_EQ(window.form.clientHeight, 447);
    EXPECT_EQ(practice.canvas().width(), 397);
    EXPECT_EQ(practice.canvas().height(), 245);
    EXPECT_EQ(window.figureCentre.x, 198);
    EXPECT_EQ(window.figureCentre.y, 122);
    EXPECT_EQ(window.proim.cursor, Cursor::Cross);
    EXPECT_FALSE(window.resetbt.visible);
    EXPECT_FALSE(window.GroupBox1.visible);
    EXPECT_FALSE(window.dsh.visible);
    EXPECT_EQ(window.practicenb.pages,
              (std::vector<std::string>{"&Protractor", "&Ruler", "&Ray Movement"}));
    EXPECT_EQ(window.handleOutline(window.csh), colours::red);
    EXPECT_EQ(window.handleOutline(window.dsh), colours::black);
}

TEST(PracticeWindow, creationGeneratesTheFirstProtractorExerciseAndDrawsIt) {
    PracticeWindow practice({0.25, 0.5});
    EXPECT_EQ(practice.random.drawsTaken(), 2u);
    EXPECT_NEAR(practice.window.protractor.exercise.exerciseAngle, 50, kDegreeTolerance);
    EXPECT_NEAR(practice.window.protractor.exercise.exerciseRotation, 180, kDegreeTolerance);
    EXPECT_EQ(practice.window.tool.state, 0);
    EXPECT_EQ(practice.canvas().callsOf(DrawOp::Arc).size(), 1u);
}

TEST(PracticeWindow, theProtractorToolCyclesThroughFourStatesAndTheRulerThroughThree) {
    PracticeWindow practice;
    for (const int state : {1, 2, 3, 0, 1}) {
        practice.clickPicture(10, 10);
        EXPECT_EQ(practice.window.tool.state, state);
    }
    practice.window.practicenb.setPageIndex(1);
    EXPECT_EQ(practice.window.tool.state, 0);
    for (const int state : {1, 2, 0}) {
        practice.clickPicture(10, 10);
        EXPECT_EQ(practice.window.tool.state, state);
    }
}

TEST(PracticeWindow, theHiddenFirstMethodFreezesTheProtractorOneClickEarlier) {
    PracticeWindow practice;
    practice.window.m1rbClick();
    for (const int state : {1, 2, 0}) {
        practice.clickPicture(10, 10);
        EXPECT_EQ(practice.window.tool.state, state);
    }
    practice.clickPicture(10, 10);
    practice.clickPicture(10, 10);
    practice.canvas().clear();
    practice.window.proimMouseMove(50, 50);  // state 2 is now the frozen one
    EXPECT_TRUE(practice.canvas().calls.empty());

    practice.window.m2rbClick();
    for (const int state : {3, 0}) {
        practice.clickPicture(10, 10);
        EXPECT_EQ(practice.window.tool.state, state);
    }
}

TEST(PracticeWindow, theRulerPageTakesOverTheToolWhereTheProtractorLeftIt) {
    PracticeWindow practice;
    practice.window.proimMouseMove(100, 100);
    practice.clickPicture(100, 100);
    practice.window.proimMouseMove(150, 100);
    practice.clickPicture(150, 100);
    practice.window.proimMouseMove(150, 50);  // reads 45 degrees

    practice.canvas().clear();
    practice.window.practicenb.setPageIndex(1);
    const auto grey = practice.canvas().linesIn(colours::grey);
    ASSERT_FALSE(grey.empty());
    EXPECT_EQ(segment(grey[0]),
              (std::vector<int>{100, 100, 900, 100}));  // the ruler's edge from the centre

    practice.window.ruler.exercise.exerciseLength = 45;
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Information);
}

TEST(PracticeWindow, changingPageGeneratesAnExerciseForTheNewPage) {
    PracticeWindow practice({0.25, 0.5, 0.75, 0.5, 0.5, 0.0});
    TProfrm& window = practice.window;
    window.practicenb.setPageIndex(1);
    EXPECT_EQ(window.currentPageIndex(), 1);
    EXPECT_EQ(window.practicenb.pageIndex(), 1);
    EXPECT_NEAR(window.ruler.exercise.exerciseLength, 132.5, kDegreeTolerance);

    window.practicenb.setPageIndex(0);  // and back: a new protractor exercise
    EXPECT_NEAR(window.protractor.exercise.exerciseAngle, 90, kDegreeTolerance);
    EXPECT_NEAR(window.protractor.exercise.exerciseRotation, 0, kDegreeTolerance);
}

TEST(PracticeWindow, reopeningOnTheProtractorPageKeepsTheExercise) {
    PracticeWindow practice({0.25, 0.5, 0.75, 0.5});
    practice.window.proimMouseMove(100, 100);
    practice.clickPicture(100, 100);

    practice.window.FormActivate();
    EXPECT_EQ(practice.random.drawsTaken(), 2u);
    EXPECT_NEAR(practice.window.protractor.exercise.exerciseAngle, 50, kDegreeTolerance);
    EXPECT_EQ(practice.window.tool.state, 0);
}

TEST(PracticeWindow, reopeningAfterClosingOnAnotherPageStartsANewProtractorExercise) {
    PracticeWindow practice({0.25, 0.5, 0.0, 0.0, 0.75, 0.5});
    practice.window.practicenb.setPageIndex(2);
    const auto drawsBefore = practice.random.drawsTaken();

    practice.window.FormActivate();
    EXPECT_EQ(practice.window.practicenb.pageIndex(), 0);
    EXPECT_EQ(practice.random.drawsTaken(), drawsBefore + 2);
    EXPECT_FALSE(practice.window.dsh.visible);
}

TEST(PracticeWindow, nextStartsOverWithTheToolButKeepsTheReadings) {
    PracticeWindow practice;
    practice.window.proimMouseMove(100, 100);
    practice.clickPicture(100, 100);
    practice.window.proimMouseMove(150, 100);
    practice.clickPicture(150, 100);
    practice.window.proimMouseMove(150, 50);

    practice.window.nextbtClick();
    EXPECT_EQ(practice.window.tool.state, 0);
    EXPECT_NEAR(practice.window.tool.reading, 45, kDegreeTolerance);
    EXPECT_NEAR(practice.window.protractor.supplementReading, 135, kDegreeTolerance);
    EXPECT_EQ(practice.window.ang2rb.caption.substr(0, 5), " 135.");
}

TEST(PracticeWindow, choosingWhatToMeasureRedrawsANewFigure) {
    PracticeWindow practice;
    practice.clickPicture(10, 10);
    const auto drawsBefore = practice.random.drawsTaken();
    practice.canvas().clear();

    practice.window.Normalrb.userClick();
    EXPECT_EQ(practice.random.drawsTaken(), drawsBefore + 2);
    EXPECT_EQ(practice.window.tool.state, 0);
    EXPECT_FALSE(practice.canvas().linesIn(colours::red).empty());  // the dotted normal
    EXPECT_TRUE(practice.canvas().callsOf(DrawOp::Arc).empty());
}

TEST(PracticeWindow, checkChangesNothingAndCanBeRepeated) {
    PracticeWindow practice;
    practice.window.tool.reading = 90;
    practice.canvas().clear();
    practice.window.CheckbtClick();
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.platform.messages.size(), 2u);
    EXPECT_TRUE(practice.canvas().calls.empty());
    EXPECT_EQ(practice.random.drawsTaken(), 2u);
}

TEST(PracticeWindow, returnAsksTheViewToClose) {
    PracticeWindow practice;
    practice.window.Returnbt.click();  // without a view: nothing happens
    int closes = 0;
    practice.window.closeRequested = [&closes] { ++closes; };
    practice.window.Returnbt.click();
    EXPECT_EQ(closes, 1);
}

TEST(PracticeWindow, aMouseFarOutsideThePictureDrawsOnlyFiniteGeometry) {
    for (const int page : {0, 1, 2}) {
        PracticeWindow practice;
        practice.window.practicenb.setPageIndex(page);
        for (int click = 0; click < 3; ++click) {
            practice.window.proimMouseMove(-40000, 90000);
            practice.clickPicture(-40000, 90000);
        }
        for (const DrawCall& call : practice.canvas().calls) {
            for (const int value : call.args) {
                EXPECT_LT(std::abs(value), 1000000) << page;
            }
        }
    }
}

}  // namespace
