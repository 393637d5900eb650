#include "support/random_action.h"

#include "app/sheet_controls.h"

#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

const char* const Typed[] = {"", "0", "3", "-1", "2.5", "x", "40000", "1e3", "Kai"};

} // namespace

std::string randomAction(const CombatSheet& sheet, std::mt19937& random) {
    auto roll = [&random](std::size_t n) { return random() % n; };
    for (;;) {
        const NamedControl& named = sheetControls()[roll(sheetControls().size())];
        const int row = isColumn(named.ref) ? static_cast<int>(roll(WEAPON_ROWS)) : -1;
        std::string word = codeName(named.ref, row), value = Typed[roll(std::size(Typed))];
        const bool acts = visitControl(sheet, named.ref, row, [&](const auto& control) {
            using T = std::remove_cvref_t<decltype(control)>;
            if constexpr (std::is_same_v<T, ComboBox>) {
                const auto& items = control.items();
                value = !items.empty() && roll(3) != 0 ? items[roll(items.size())] : value;
            } else if constexpr (std::is_same_v<T, Slider>) {
                value = std::to_string(roll(25));
            }
            const bool valued = std::is_same_v<T, ComboBox> || std::is_same_v<T, TextBox> ||
                                std::is_same_v<T, Slider>;
            word += valued ? "=" + value : "";
            return !std::is_same_v<T, Panel>;
        });
        if (acts) {
            std::replace(word.begin(), word.end(), ' ', '_');
            return word;
        }
    }
}
