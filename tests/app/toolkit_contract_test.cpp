#include "app/combat_sheet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A user click changes the value first (1 -> 0, 0 or 2 -> 1), then notifies exactly once.
TEST(ToolkitContract, CheckBoxUserClickSetsThenNotifies) {
    for (auto [before, after] : {std::pair{0, 1}, {1, 0}, {2, 1}}) {
        CheckBox box(before);
        std::vector<int> seen;
        box.onClick([&] { seen.push_back(box.value()); });
        box.userClick();
        EXPECT_EQ(seen, std::vector<int>{after}) << "from " << before;
    }
}

// Code setting a value notifies only on a change, and the nested handler runs before the
// setter returns.
TEST(ToolkitContract, ValuesSetByCode) {
    CheckBox outer, inner;
    TextBox text;
    Slider slider(0, 24, 0, 1, 1);
    Log log;
    inner.onClick([&] { log.push_back("inner " + std::to_string(inner.value())); });
    outer.onClick([&] { inner.setValue(CheckBox::Grayed), log.push_back("outer goes on"); });
    text.onChange([&] { log.push_back("text " + text.text()); });
    slider.onChange([&] { log.push_back("slider " + std::to_string(slider.position())); });
    for (int i = 0; i < 2; ++i) {
        outer.setValue(CheckBox::Ticked), text.setText("a"), slider.setPosition(99);
    }
    EXPECT_EQ(log, (Log{"inner 2", "outer goes on", "text a", "slider 24"}));
}

// Selecting deselects the rest of the group; only the newly selected button raises a click.
TEST(ToolkitContract, OptionGroupRaisesOneClickPerSelection) {
    OptionGroup group;
    OptionButton first{group, true}, second{group}, third{group};
    Log log;
    first.onClick([&] { log.push_back("first"); });
    second.onClick([&] { log.push_back(first.selected() ? "both selected" : "second"); });
    third.onClick([&] { log.push_back("third"); });
    second.userClick(), second.select();
    EXPECT_EQ(log, Log{"second"});
    EXPECT_TRUE(second.selected() && !first.selected() && !third.selected());
}

// Disabled controls take no user input (the sheet's read-only and disabled boxes are tested
// with the fresh sheet).
TEST(ToolkitContract, DisabledControlsTakeNoUserInput) {
    CheckBox box;
    OptionGroup group;
    OptionButton on{group, true}, off{group};
    Slider slider(0, 24, 0, 1, 1);
    Command menu;
    int notified = 0;
    auto count = [&] { ++notified; };
    box.onClick(count), off.onClick(count), slider.onChange(count), menu.onClick(count);
    box.setEnabled(false), off.setEnabled(false), slider.setEnabled(false), menu.setEnabled(false);
    box.userClick(), off.userClick(), slider.userMove(3), menu.userClick();
    EXPECT_EQ(notified, 0);
    EXPECT_TRUE(on.selected() && box.value() == 0 && slider.position() == 0);
}

} // namespace
