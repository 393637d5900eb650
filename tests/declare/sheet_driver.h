#pragma once

// Drives a combat sheet as the user would: picks from lists, clicks, moves the slider.

#include "app/combat_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>

namespace declare_test {

using SheetAction = std::function<void(CombatSheet&)>;

inline void pick(ComboBox& list, const std::string& entry) {
    const auto& items = list.items();
    const auto found = std::find(items.begin(), items.end(), entry);
    ASSERT_NE(found, items.end()) << "\"" << entry << "\" is not in the list";
    list.userPick(static_cast<int>(found - items.begin()));
}

// Picks the gunnery skill and closes the setup panel with "Done".
inline void setUpPilot(CombatSheet& sheet, const std::string& gunnerySkill) {
    pick(sheet.gunSkill, gunnerySkill);
    sheet.Command5.userClick();
}

inline void pickWeapon(CombatSheet& sheet, int row, const std::string& name,
                       const std::string& location = "CT") {
    pick(sheet.weapName[static_cast<std::size_t>(row)], name);
    pick(sheet.weapLoc[static_cast<std::size_t>(row)], location);
}

inline void tickRows(CombatSheet& sheet, std::initializer_list<int> rows) {
    for (int row : rows) {
        sheet.fireCheck[static_cast<std::size_t>(row)].userClick();
    }
}

inline void calculate(CombatSheet& sheet) {
    sheet.Command1.userClick();
}
inline void declare(CombatSheet& sheet) {
    sheet.Command4.userClick();
}
inline void copy(CombatSheet& sheet) {
    sheet.Command2.userClick();
}
inline void clear(CombatSheet& sheet) {
    sheet.Command3.userClick();
}

} // namespace declare_test
