// SPDX-License-Identifier: MIT
#include "practice/protractor_exercise.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "practice_window.h"

namespace {

constexpr double kDegreeTolerance = 1e-9;
const Point kCentre{198, 122};

TEST(ProtractorExercise, drawsTwoLinesForTheAngleAndTheArcBetweenThem) {
    RecordingCanvas canvas(397, 245);
    drawProtractorFigure(canvas, kCentre, {90, 0}, true);

    const auto lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(segment(lines[0]), (std::vector<int>{198, 122, 348, 122}));
    EXPECT_EQ(segment(lines[1]), (std::vector<int>{198, 122, 198, 272}));
    EXPECT_EQ(lines[0].pen, (Pen{colours::black, 2, PenStyle::Solid}));
    // Counter-clockwise on the screen from the second line (down) to the first (right).
    const auto arcs = canvas.callsOf(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);
    EXPECT_EQ(arcs[0].args, (std::vector<int>{158, 82, 238, 162, 198, 272, 348, 122}));
    EXPECT_EQ(arcs[0].pen.width, 1);
}

TEST(ProtractorExercise, drawsASurfaceWithItsDottedNormalAndARay) {
    RecordingCanvas canvas(397, 245);
    drawProtractorFigure(canvas, kCentre, {90, 0}, false);

    const auto lines = canvas.callsOf(DrawOp::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(segment(lines[0]), (std::vector<int>{348, 122, 48, 122}));
    EXPECT_EQ(lines[0].pen, (Pen{colours::black, 1, PenStyle::Solid}));
    EXPECT_EQ(segment(lines[1]), (std::vector<int>{198, 122, 198, 272}));
    EXPECT_EQ(lines[1].pen.width, 2);
    EXPECT_EQ(segment(lines[2]), (std::vector<int>{198, 162, 198, 82}));
    EXPECT_EQ(lines[2].pen, (Pen{colours::red, 1, PenStyle::Dot}));
    EXPECT_EQ(canvas.pen, (Pen{colours::black, 1, PenStyle::Solid}));
}

TEST(ProtractorExercise, generationSpreadsTheAngleAndRotationOverTheirRanges) {
    SequenceRandom random({0.0, 0.5, 0.75, 0.25});
    const ProtractorExercise lowest = generateProtractorExercise(random);
    EXPECT_NEAR(lowest.exerciseAngle, 10, kDegreeTolerance);
    EXPECT_NEAR(lowest.exerciseRotation, 180, kDegreeTolerance);
    const ProtractorExercise next = generateProtractorExercise(random);
    EXPECT_NEAR(next.exerciseAngle, 130, kDegreeTolerance);
    EXPECT_NEAR(next.exerciseRotation, 90, kDegreeTolerance);
}

// The protractor placed with its centre at (100, 100) and its 0° end to the right.
struct PlacedProtractor : PracticeWindow {
    PlacedProtractor() {
        window.proimMouseMove(100, 100);
        clickPicture(100, 100);
        window.proimMouseMove(150, 100);
        clickPicture(150, 100);
    }
};

TEST(ProtractorTool, followsTheMouseWithAHorizontalScaleBeforeTheFirstClick) {
    PracticeWindow practice;
    practice.canvas().clear();
    practice.window.proimMouseMove(100, 100);

    const auto arcs = practice.canvas().callsOf(DrawOp::Arc);
    // The figure is drawn twice, once before and once after the tool moved; then the outer
    // and inner scale follow.
    ASSERT_EQ(arcs.size(), 4u);
    EXPECT_EQ(arcs[2].args, (std::vector<int>{0, 0, 200, 200, 120, 100, 80, 100}));
    EXPECT_EQ(arcs[3].args, (std::vector<int>{70, 70, 130, 130, 120, 100, 80, 100}));
    const auto grey = practice.canvas().linesIn(colours::grey);
    ASSERT_EQ(grey.size(), 14u);  // the centre tick and 13 spokes
    EXPECT_EQ(segment(grey[0]), (std::vector<int>{100, 90, 100, 110}));
    EXPECT_EQ(segment(grey[1]), (std::vector<int>{70, 100, 0, 100}));      // 0° spoke
    EXPECT_EQ(segment(grey[7]), (std::vector<int>{100, 70, 100, 0}));      // 90° spoke
    EXPECT_EQ(segment(grey[13]), (std::vector<int>{130, 100, 200, 100}));  // 180° spoke
    const DrawCall& baseline = practice.canvas().calls.back();
    EXPECT_EQ(segment(baseline), (std::vector<int>{120, 100, 80, 100}));
    EXPECT_EQ(baseline.pen.color, colours::black);
}

TEST(ProtractorTool, readsThePointerFromEitherEndOfTheScale) {
    struct Case {
        const char* name;
        Point mouse;
        double reading;
    };
    const Case cases[] = {
        {"straight up", {100, 50}, 90},
        {"up and to the right", {150, 50}, 45},
        {"up and to the left", {50, 50}, 135},
        {"along the 0 degree end", {160, 100}, 0},
        {"along the 180 degree end", {40, 100}, 180},
        {"at the centre itself", {100, 100}, 90},
    };
    for (const Case& c : cases) {
        PlacedProtractor practice;
        practice.window.proimMouseMove(c.mouse.x, c.mouse.y);
        EXPECT_NEAR(practice.window.tool.reading, c.reading, kDegreeTolerance) << c.name;
        EXPECT_NEAR(practice.window.protractor.supplementReading, 180 - c.reading, kDegreeTolerance)
            << c.name;
    }
}

TEST(ProtractorTool, thePointerAlongTheZeroEndIsCaptionedOneTenthUp) {
    PlacedProtractor practice;
    practice.window.proimMouseMove(180, 100);
    EXPECT_EQ(practice.window.Ang1rb.caption, " 0.1\u00B0");
    const std::string& supplement = practice.window.ang2rb.caption;
    EXPECT_TRUE(supplement == " 180.1\u00B0" || supplement == " 180.0\u00B0") << supplement;
}

TEST(ProtractorTool, drawsTheRedPointerTowardsTheMouse) {
    PlacedProtractor practice;
    practice.canvas().clear();
    practice.window.proimMouseMove(150, 50);
    const auto red = practice.canvas().linesIn(colours::red);
    ASSERT_EQ(red.size(), 1u);
    EXPECT_EQ(segment(red[0]), (std::vector<int>{100, 100, 170, 30}));
    EXPECT_EQ(red[0].pen.width, 2);
    // The fixed protractor keeps a short grey baseline instead of the black one.
    const auto grey = practice.canvas().linesIn(colours::grey);
    ASSERT_FALSE(grey.empty());
    EXPECT_EQ(segment(grey.back()), (std::vector<int>{70, 100, 130, 100}));
}

TEST(ProtractorTool, aPointerOffTheScaleChangesOnlyTheFirstCaption) {
    const Point offScale[] = {{150, 150}, {40, 130}};  // below the 0° end, beyond the 180° end
    for (const Point mouse : offScale) {
        PlacedProtractor practice;
        practice.window.proimMouseMove(150, 50);
        const std::string before = practice.window.Ang1rb.caption;
        const std::string supplementBefore = practice.window.ang2rb.caption;
        practice.canvas().clear();

        practice.window.proimMouseMove(mouse.x, mouse.y);
        EXPECT_NEAR(practice.window.tool.reading, 45, kDegreeTolerance);
        EXPECT_NEAR(practice.window.protractor.supplementReading, 135, kDegreeTolerance);
        EXPECT_EQ(practice.window.ang2rb.caption, supplementBefore);
        EXPECT_NE(practice.window.Ang1rb.caption, before);
        EXPECT_TRUE(practice.canvas().linesIn(colours::red).empty());
    }
}

TEST(ProtractorTool, belowTheZeroEndTheCaptionGoesNegative) {
    PlacedProtractor practice;
    practice.window.proimMouseMove(200, 110);  // a few degrees below the 0° end
    EXPECT_EQ(practice.window.Ang1rb.caption.substr(0, 3), " -5");
}

TEST(ProtractorTool, freezesOnTheThirdClickAndFollowsTheMouseAgainOnTheFourth) {
    PlacedProtractor practice;
    practice.window.proimMouseMove(150, 50);
    practice.clickPicture(150, 50);
    practice.canvas().clear();

    practice.window.proimMouseMove(20, 200);
    EXPECT_TRUE(practice.canvas().calls.empty());
    EXPECT_NEAR(practice.window.tool.reading, 45, kDegreeTolerance);

    practice.clickPicture(20, 200);
    practice.window.proimMouseMove(60, 70);
    EXPECT_EQ(practice.window.tool.origin.x, 60);
    EXPECT_EQ(practice.window.tool.origin.y, 70);
}

TEST(ProtractorTool, turnsAboutItsCentreBetweenTheFirstAndSecondClick) {
    PracticeWindow practice;
    practice.window.proimMouseMove(100, 100);
    practice.clickPicture(100, 100);
    practice.window.proimMouseMove(100, 30);  // 0° end straight up
    EXPECT_EQ(practice.window.tool.origin.x, 100);
    EXPECT_EQ(practice.window.tool.origin.y, 100);
    EXPECT_EQ(practice.window.tool.aim.y, 30);
    const DrawCall& baseline = practice.canvas().calls.back();
    EXPECT_EQ(segment(baseline), (std::vector<int>{100, 30, 100, 170}));
}

TEST(ProtractorCheck, gradesTheErrorByOneAndAHalfAndThreeDegrees) {
    struct Case {
        double reading;
        MessageIcon icon;
    };
    const Case cases[] = {
        {45, MessageIcon::Information}, {46.4, MessageIcon::Information},
        {46.5, MessageIcon::Warning},   {43.5, MessageIcon::Warning},
        {47.9, MessageIcon::Warning},   {48, MessageIcon::Error},
        {42, MessageIcon::Error},
    };
    for (const Case& c : cases) {
        PracticeWindow practice;
        practice.window.protractor.exercise.exerciseAngle = 45;
        practice.window.tool.reading = c.reading;
        practice.window.CheckbtClick();
        ASSERT_EQ(practice.platform.messages.size(), 1u);
        EXPECT_EQ(practice.lastMessage().icon, c.icon) << c.reading;
    }
}

TEST(ProtractorCheck, eachGradeHasItsOwnTextAndTitle) {
    PracticeWindow practice;
    practice.window.protractor.exercise.exerciseAngle = 45;
    for (const double reading : {45.0, 47.0, 50.0}) {
        practice.window.tool.reading = reading;
        practice.window.CheckbtClick();
    }
    const auto& messages = practice.platform.messages;
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].text, "Right!\rWell done!");
    EXPECT_EQ(messages[0].caption, "Information");
    EXPECT_EQ(messages[1].text, "Right!\rBut can you get the answer\ra little closer?");
    EXPECT_EQ(messages[1].caption, "Warning");
    EXPECT_EQ(messages[2].text, "Oops!\rTry again!");
    EXPECT_EQ(messages[2].caption, "Error");
}

TEST(ProtractorCheck, fromTheNormalExpectsTheAngleBetweenRayAndNormal) {
    PracticeWindow practice;
    practice.window.Normalrb.userClick();
    practice.window.protractor.exercise.exerciseAngle = 120;

    practice.window.tool.reading = 30;
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Information);
    practice.window.tool.reading = 120;
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Error);
}

TEST(ProtractorCheck, choosingTheOtherEndJudgesTheSupplement) {
    PlacedProtractor practice;
    practice.window.proimMouseMove(150, 50);  // 45 from the 0° end, 135 from the other
    practice.window.protractor.exercise.exerciseAngle = 135;

    practice.window.ang2rb.userClick();
    EXPECT_EQ(static_cast<int>(practice.window.protractor.chosenReading), 2);
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Information);

    practice.window.Ang1rb.userClick();
    EXPECT_EQ(static_cast<int>(practice.window.protractor.chosenReading), 1);
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().icon, MessageIcon::Error);
}

TEST(ProtractorCheck, beforeAnyMeasurementJudgesTheStartingReadingOfZero) {
    PracticeWindow practice;  // an exercise angle of 90
    practice.window.CheckbtClick();
    EXPECT_EQ(practice.lastMessage().text, "Oops!\rTry again!");
}

}  // namespace
