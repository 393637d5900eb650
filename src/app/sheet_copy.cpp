#include "app/sheet_copy.h"

#include "app/combat_sheet.h"
#include "app/sheet_controls.h"

#include <type_traits>
#include <variant>

namespace {

// One control, or every row of one column.
void copyControl(const CombatSheet& from, CombatSheet& to, const ControlRef& ref) {
    std::visit(
        [&](auto member) {
            auto& target = to.*member;
            const auto& source = from.*member;
            if constexpr (std::is_base_of_v<Control, std::remove_cvref_t<decltype(target)>>) {
                target.copyFrom(source);
            } else {
                for (std::size_t row = 0; row < target.size(); ++row) {
                    target[row].copyFrom(source[row]);
                }
            }
        },
        ref);
}

} // namespace

// Walks the one list of the sheet's controls, so that a control added to the sheet and to
// that list is copied too.
void copySheet(const CombatSheet& from, CombatSheet& to) {
    for (const NamedControl& control : sheetControls()) {
        copyControl(from, to, control.ref);
    }
    to.situation = from.situation;
    to.weapHeat = from.weapHeat;
    to.weapFamily = from.weapFamily;
    to.techBase = from.techBase;
    to.firesClusterMunitions = from.firesClusterMunitions;
    to.resultsAge = from.resultsAge;
    to.setTitle(from.title());
}
