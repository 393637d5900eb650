#pragma once

// One thing a user does to a sheet: a click, a pick, typing or a slider move, addressed by
// the tables of sheet_controls.h.

#include <string>

class CombatSheet;

namespace random_test {

struct UserAction {
    enum class Kind {
        ClickBox,     // BOXES[control]
        ClickFireBox, // fireCheck[row]
        ClickOption,  // OPTIONS[control]
        ClickCommand, // COMMANDS[control]; for Copy, clipboardFails
        MoveSlider,   // Slider1 to value
        TypeText,     // TEXTS[control] takes text
        TypeRowText,  // ROW_TEXTS[control][row] takes text
        TypeList,     // LISTS[control] takes text
        PickList,     // LISTS[control] entry value
        PickRowList,  // ROW_LISTS[control][row] entry value
    };

    Kind kind = Kind::ClickCommand;
    int control = 0;
    int row = 0;
    int value = 0;
    std::string text;
    bool clipboardFails = false;

    // What the user did, readably, for failure reports.
    std::string describe() const;
    // Does it to the sheet through the user entry points.
    void perform(CombatSheet& sheet) const;
};

} // namespace random_test
