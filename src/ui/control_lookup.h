#pragma once

#include "app/combat_sheet.h"

#include <string_view>
#include <variant>

// The model control behind a window control's name ("aMove1", "weapName(3)", "mnuNew").
using ModelControl = std::variant<std::monostate, Panel*, TextBox*, ComboBox*, CheckBox*,
                                  OptionButton*, Slider*, Command*>;

// std::monostate for names without a model control: labels, lines, the "&Help" drop-down.
ModelControl findControl(CombatSheet& sheet, std::string_view name);
