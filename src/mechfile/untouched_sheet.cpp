#include "mechfile/untouched_sheet.h"

#include "app/sheet_controls.h"

#include <algorithm>

namespace {

bool sameState(const Control& a, const Control& b) {
    return a.visible() == b.visible() && a.enabled() == b.enabled();
}

bool sameState(const TextBox& a, const TextBox& b) {
    return sameState(static_cast<const Control&>(a), b) && a.text() == b.text() &&
           a.toolTip() == b.toolTip();
}

bool sameState(const ComboBox& a, const ComboBox& b) {
    return sameState(static_cast<const Control&>(a), b) && a.text() == b.text();
}

bool sameState(const CheckBox& a, const CheckBox& b) {
    return sameState(static_cast<const Control&>(a), b) && a.value() == b.value();
}

bool sameState(const OptionButton& a, const OptionButton& b) {
    return sameState(static_cast<const Control&>(a), b) && a.selected() == b.selected();
}

bool sameState(const Slider& a, const Slider& b) {
    return sameState(static_cast<const Control&>(a), b) && a.position() == b.position();
}

bool sameControls(const CombatSheet& sheet, const CombatSheet& fresh, const ControlRef& ref) {
    return std::visit(
        [&](auto member) {
            const auto& mine = sheet.*member;
            const auto& theirs = fresh.*member;
            if constexpr (std::is_base_of_v<Control, std::remove_cvref_t<decltype(mine)>>) {
                return sameState(mine, theirs);
            } else {
                return std::equal(mine.begin(), mine.end(), theirs.begin(),
                                  [](const auto& a, const auto& b) { return sameState(a, b); });
            }
        },
        ref);
}

} // namespace

bool isUntouched(CombatSheet& sheet) {
    const CombatSheet fresh(sheet.platform());
    const auto controls = sheetControls();
    return sheet.mechFile.empty() && sheet.title() == fresh.title() &&
           std::all_of(controls.begin(), controls.end(), [&](const NamedControl& named) {
               return sameControls(sheet, fresh, named.ref);
           });
}
