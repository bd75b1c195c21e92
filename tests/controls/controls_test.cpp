// SPDX-License-Identifier: MIT
#include "controls/controls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts handler calls per sender, in order.
struct Calls {
    std::vector<const Control*> senders;
    Handler handler() {
        return [this](Control& sender) { senders.push_back(&sender); };
    }
};

TEST(ScrollBar, settingItsCurrentValueDoesNotFire) {
    ScrollBar bar;
    bar.initialise(7, 40, 12);
    Calls calls;
    bar.onChange = calls.handler();

    bar.setPosition(12);
    EXPECT_TRUE(calls.senders.empty());

    bar.setPosition(10);
    ASSERT_EQ(calls.senders.size(), 1u);
    EXPECT_EQ(calls.senders[0], &bar);
    EXPECT_EQ(bar.position(), 10);
}

TEST(ScrollBar, valuesOutsideTheRangeAreClampedBeforeTheComparison) {
    ScrollBar bar;
    bar.initialise(7, 40, 40);
    Calls calls;
    bar.onChange = calls.handler();

    bar.setPosition(99);  // clamps to 40, its current value: no change
    EXPECT_TRUE(calls.senders.empty());
    bar.setPosition(-5);
    EXPECT_EQ(bar.position(), 7);
    EXPECT_EQ(calls.senders.size(), 1u);
}

TEST(ScrollBar, theHandlerSeesTheNewPosition) {
    ScrollBar bar;
    bar.initialise(100, 300, 150);
    int seen = 0;
    bar.onChange = [&](Control&) { seen = bar.position(); };
    bar.setPosition(175);
    EXPECT_EQ(seen, 175);
}

TEST(RadioButton, checkedByProgramFiresOnceAndUnchecksItsSiblings) {
    RadioGroup group;
    RadioButton one, three;
    group.add(one);
    group.add(three);
    one.setChecked(true);
    Calls calls;
    one.onClick = calls.handler();
    three.onClick = calls.handler();

    three.setChecked(true);
    EXPECT_TRUE(three.checked());
    EXPECT_FALSE(one.checked());
    ASSERT_EQ(calls.senders.size(), 1u);
    EXPECT_EQ(calls.senders[0], &three);

    three.setChecked(true);  // no change, no click
    three.userClick();       // a click on the checked button changes nothing either
    EXPECT_EQ(calls.senders.size(), 1u);
}

TEST(RadioButton, uncheckingByProgramRunsNothing) {
    RadioGroup group;
    RadioButton one, two;
    group.add(one);
    group.add(two);
    one.setChecked(true);
    Calls calls;
    one.onClick = calls.handler();
    one.setChecked(false);
    EXPECT_FALSE(one.checked());
    EXPECT_TRUE(calls.senders.empty());
}

TEST(CheckBox, firesOnlyWhenItsCheckChanges) {
    CheckBox box;
    Calls calls;
    box.onClick = calls.handler();
    box.setChecked(false);
    EXPECT_TRUE(calls.senders.empty());
    box.setChecked(true);
    box.setChecked(true);
    EXPECT_EQ(calls.senders.size(), 1u);
    box.userClick();
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(calls.senders.size(), 2u);
}

TEST(ComboBox, programSetsSilentlyAndTheUserFires) {
    ComboBox box;
    box.items = {"Plane", "Convex", "Concave"};
    Calls calls;
    box.onChange = calls.handler();
    box.itemIndex = 2;
    EXPECT_TRUE(calls.senders.empty());
    box.userSelect(0);
    EXPECT_EQ(box.itemIndex, 0);
    EXPECT_EQ(calls.senders.size(), 1u);
}

TEST(FocusTracker, movingTheFocusRunsTheOldControlsExitHandler) {
    FocusTracker focus;
    ComboBox left, right;
    ScrollBar width;
    std::vector<std::string> exits;
    left.onExit = [&](Control&) { exits.push_back("left"); };
    right.onExit = [&](Control&) { exits.push_back("right"); };

    focus.focus(left);
    EXPECT_TRUE(exits.empty());
    focus.focus(left);  // already focused: editing goes on
    EXPECT_TRUE(exits.empty());
    focus.focus(right);
    focus.focus(width);
    EXPECT_EQ(exits, (std::vector<std::string>{"left", "right"}));
    EXPECT_EQ(focus.focused(), &width);
}

TEST(Notebook, aPageChangeRunsTheHandlerWithTheNewPageBeforeShowingIt) {
    Notebook book;
    book.pages = {"&Protractor", "&Ruler", "&Ray Movement"};
    std::vector<std::pair<int, int>> changes;  // (new tab, page index while handling)
    book.onPageChange = [&](Notebook& sender, int newTab) {
        changes.emplace_back(newTab, sender.pageIndex());
    };
    book.setPageIndex(0);
    EXPECT_TRUE(changes.empty());
    book.setPageIndex(2);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], std::make_pair(2, 0));
    EXPECT_EQ(book.pageIndex(), 2);
}

TEST(MenuItem, clickRunsItsHandlerAndSeparatorsAreKnownByCaption) {
    MenuItem item;
    item.caption = "Show &Centers";
    Calls calls;
    item.onClick = calls.handler();
    item.click();
    EXPECT_EQ(calls.senders.size(), 1u);
    MenuItem separator;
    separator.caption = "-";
    EXPECT_TRUE(separator.isSeparator());
    EXPECT_FALSE(item.isSeparator());
}

}  // namespace
