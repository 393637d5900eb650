#include "app/check_box.h"
#include "app/combo_box.h"
#include "app/command.h"
#include "app/option_button.h"
#include "app/option_group.h"
#include "app/slider.h"
#include "app/text_box.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Check boxes

struct ClickCase {
    int before;
    int after;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.before << " -> " << c.after;
}

class CheckBoxUserClick : public testing::TestWithParam<ClickCase> {};

TEST_P(CheckBoxUserClick, ChangesTheValueFirstThenNotifiesOnce) {
    CheckBox box(GetParam().before);
    std::vector<int> seen;
    box.onClick([&] { seen.push_back(box.value()); });
    box.userClick();
    EXPECT_EQ(box.value(), GetParam().after);
    EXPECT_EQ(seen, std::vector<int>{GetParam().after});
}

INSTANTIATE_TEST_SUITE_P(Values, CheckBoxUserClick,
                         testing::Values(ClickCase{0, 1}, ClickCase{1, 0}, ClickCase{2, 1}));

TEST(CheckBoxContract, CodeRaisesOnlyWhenTheValueChanges) {
    CheckBox box;
    int clicks = 0;
    box.onClick([&] { ++clicks; });
    box.setValue(CheckBox::Unticked);
    EXPECT_EQ(clicks, 0);
    box.setValue(CheckBox::Grayed);
    box.setValue(CheckBox::Grayed);
    EXPECT_EQ(clicks, 1);
    box.setValue(CheckBox::Ticked);
    EXPECT_EQ(clicks, 2);
}

TEST(CheckBoxContract, RejectsValuesOtherThanZeroOneTwo) {
    CheckBox box;
    EXPECT_THROW(box.setValue(3), std::invalid_argument);
    EXPECT_THROW(box.setValue(-1), std::invalid_argument);
    EXPECT_EQ(box.value(), CheckBox::Unticked);
}

TEST(CheckBoxContract, NestedHandlerRunsBeforeTheSetterReturns) {
    CheckBox outer, inner;
    std::vector<std::string> log;
    inner.onClick([&] { log.push_back("inner"); });
    outer.onClick([&] {
        log.push_back("outer starts");
        inner.setValue(CheckBox::Grayed);
        log.push_back("outer goes on");
    });
    outer.userClick();
    EXPECT_EQ(log, (std::vector<std::string>{"outer starts", "inner", "outer goes on"}));
}

TEST(CheckBoxContract, DisabledBoxTakesNoClick) {
    CheckBox box(CheckBox::Grayed);
    int clicks = 0;
    box.onClick([&] { ++clicks; });
    box.setEnabled(false);
    box.userClick();
    EXPECT_EQ(box.value(), CheckBox::Grayed);
    EXPECT_EQ(clicks, 0);
}

// Option buttons

class OptionGroupContract : public testing::Test {
protected:
    OptionGroup group;
    OptionButton first{group, true};
    OptionButton second{group};
    OptionButton third{group};
    std::vector<std::string> clicks;

    void SetUp() override {
        first.onClick([this] { clicks.push_back("first"); });
        second.onClick([this] { clicks.push_back("second"); });
        third.onClick([this] { clicks.push_back("third"); });
    }
};

TEST_F(OptionGroupContract, SelectingRaisesOnlyTheNewButtonAndDeselectsTheRest) {
    second.userClick();
    EXPECT_EQ(clicks, std::vector<std::string>{"second"});
    EXPECT_FALSE(first.selected());
    EXPECT_TRUE(second.selected());
    EXPECT_FALSE(third.selected());
    EXPECT_EQ(group.selected(), &second);

    third.select();
    EXPECT_EQ(clicks, (std::vector<std::string>{"second", "third"}));
    EXPECT_FALSE(second.selected());
    EXPECT_EQ(group.selected(), &third);
}

TEST_F(OptionGroupContract, SelectingTheSelectedButtonRaisesNothing) {
    first.userClick();
    first.select();
    EXPECT_TRUE(clicks.empty());
    EXPECT_TRUE(first.selected());
}

TEST_F(OptionGroupContract, HandlerSeesTheNewSelection) {
    bool secondSelectedInHandler = false;
    bool firstSelectedInHandler = true;
    second.onClick([&] {
        secondSelectedInHandler = second.selected();
        firstSelectedInHandler = first.selected();
    });
    second.userClick();
    EXPECT_TRUE(secondSelectedInHandler);
    EXPECT_FALSE(firstSelectedInHandler);
}

TEST_F(OptionGroupContract, DisabledButtonTakesNoClick) {
    third.setEnabled(false);
    third.userClick();
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(group.selected(), &first);
}

// Text boxes

TEST(TextBoxContract, NotifiesOnlyWhenTheTextChanges) {
    TextBox box;
    std::vector<std::string> seen;
    box.onChange([&] { seen.push_back(box.text()); });
    box.setText("");
    box.userType("a");
    box.userType("a");
    box.setText("ab");
    box.userType("");
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", ""}));
}

TEST(TextBoxContract, ReadOnlyOrDisabledBoxTakesNoTypingButCodeMayWrite) {
    TextBox readOnly, disabled;
    readOnly.setReadOnly(true);
    disabled.setEnabled(false);
    int changes = 0;
    readOnly.onChange([&] { ++changes; });
    disabled.onChange([&] { ++changes; });
    readOnly.userType("x");
    disabled.userType("x");
    EXPECT_EQ(readOnly.text(), "");
    EXPECT_EQ(disabled.text(), "");
    EXPECT_EQ(changes, 0);
    readOnly.setText("7");
    disabled.setText("7");
    EXPECT_EQ(readOnly.text(), "7");
    EXPECT_EQ(disabled.text(), "7");
    EXPECT_EQ(changes, 2);
}

// Drop-down lists

TEST(ComboBoxContract, PickOnlyListTakesPicksButNoTyping) {
    ComboBox list({"0", "1", "2"}, false);
    int changes = 0, clicks = 0;
    list.onChange([&] { ++changes; });
    list.onClick([&] { ++clicks; });
    list.userType("1");
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(list.listIndex(), -1);
    list.userPick(2);
    EXPECT_EQ(list.text(), "2");
    EXPECT_EQ(list.listIndex(), 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    // Picking the shown entry again is a click but no change of text.
    list.userPick(2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 2);
}

TEST(ComboBoxContract, PicksOutsideTheListOrOnADisabledListAreIgnored) {
    ComboBox list({"a", "b"}, false);
    int notifications = 0;
    list.onChange([&] { ++notifications; });
    list.onClick([&] { ++notifications; });
    list.userPick(-1);
    list.userPick(2);
    list.setEnabled(false);
    list.userPick(0);
    EXPECT_EQ(list.text(), "");
    EXPECT_EQ(notifications, 0);
}

TEST(ComboBoxContract, EditableListTakesAnyTextAndNotifiesEachChange) {
    ComboBox list({"0", "1"}, true, "0");
    std::vector<std::string> seen;
    list.onChange([&] { seen.push_back(list.text()); });
    list.userType("0");
    list.userType("17");
    list.userType("x");
    EXPECT_EQ(seen, (std::vector<std::string>{"17", "x"}));
    EXPECT_EQ(list.listIndex(), -1);
    list.setEnabled(false);
    list.userType("1");
    EXPECT_EQ(list.text(), "x");
}

TEST(ComboBoxContract, ChangeRunsBeforeTheClickOfAPick) {
    ComboBox list({"a", "b"}, false);
    std::vector<std::string> log;
    list.onChange([&] { log.push_back("change " + list.text()); });
    list.onClick([&] { log.push_back("click " + list.text()); });
    list.userPick(1);
    EXPECT_EQ(log, (std::vector<std::string>{"change b", "click b"}));
}

// Slider and commands

TEST(SliderContract, MovesWithinItsEndsAndNotifiesOnlyWhenItMoves) {
    Slider slider(0, 24, 0, 1, 1);
    std::vector<int> seen;
    slider.onChange([&] { seen.push_back(slider.position()); });
    slider.userMove(0);
    slider.userMove(5);
    slider.userMove(99);
    slider.setPosition(24);
    slider.setPosition(-3);
    EXPECT_EQ(seen, (std::vector<int>{5, 24, 0}));
    slider.setEnabled(false);
    slider.userMove(3);
    EXPECT_EQ(slider.position(), 0);
}

TEST(CommandContract, EveryClickNotifiesUnlessDisabled) {
    Command command;
    int clicks = 0;
    command.onClick([&] { ++clicks; });
    command.userClick();
    command.userClick();
    command.setEnabled(false);
    command.userClick();
    EXPECT_EQ(clicks, 2);
}

} // namespace
