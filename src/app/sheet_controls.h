#pragma once

// Every control of a combat sheet under its names, without a sheet at hand: the one list of
// names. The code and the tests call a control by its code name ("calculateButton", "weapName(3)");
// the window names each widget by the control's name on the form it was first drawn on
// ("Command1"), so that what was said of a form's control can still be followed to the code.
// Anything that walks all controls walks this list.

#include "app/combat_sheet.h"

#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

template <typename T> using Member = T CombatSheet::*;
template <typename T> using Column = RowArray<T> CombatSheet::*;

// One control, or one column of the weapon rows, of any sheet.
using ControlRef = std::variant<Member<Panel>, Member<TextBox>, Member<ComboBox>, Member<CheckBox>,
                                Member<OptionButton>, Member<Slider>, Member<Command>,
                                Column<ComboBox>, Column<TextBox>, Column<CheckBox>>;

struct NamedControl {
    std::string_view codeName; // what the code calls it: "calculateButton"
    std::string_view form;     // what the form called it: "Command1"
    ControlRef ref;
};

std::span<const NamedControl> sheetControls();

// Whether ref stands for a column of the weapon rows rather than one control.
bool isColumn(const ControlRef& ref);

// The control's names; a column's element carries its row: "weapName(3)".
std::string codeName(const ControlRef& ref, int row = -1);
std::string formName(const ControlRef& ref, int row = -1);
// The control that goes by the code name, or null.
const NamedControl* controlNamed(std::string_view codeName);

// Calls each(ref, row, codeName) for every control of the table in its order, each row of a
// column apart; row is -1 for a control of its own.
template <typename Each> void forEachControl(Each each) {
    for (const NamedControl& named : sheetControls()) {
        const bool column = isColumn(named.ref);
        for (int row = column ? 0 : -1; row < (column ? WEAPON_ROWS : 0); ++row) {
            each(named.ref, row, codeName(named.ref, row));
        }
    }
}

// Calls visit with the sheet's control that ref stands for (row `row` of a column).
template <typename Sheet, typename Visit>
requires std::is_same_v<std::remove_const_t<Sheet>, CombatSheet>
decltype(auto) visitControl(Sheet& sheet, const ControlRef& ref, int row, Visit&& visit) {
    return std::visit(
        [&](auto member) -> decltype(auto) {
            auto& control = sheet.*member;
            if constexpr (std::is_base_of_v<Control, std::remove_cvref_t<decltype(control)>>) {
                return visit(control);
            } else {
                return visit(control.at(static_cast<std::size_t>(row)));
            }
        },
        ref);
}
