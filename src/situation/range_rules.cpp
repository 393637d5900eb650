#include "situation/range_rules.h"

#include "app/combat_sheet.h"

#include <cstdint>
#include <string>

namespace {

constexpr int ADJACENT_RANGE = 1;

int adjacency(const CombatSheet& sheet) {
    return sheet.Slider1.position() == ADJACENT_RANGE ? CheckBox::Ticked : CheckBox::Unticked;
}

// "Adjacent Hex" only shows what the slider says. Any click on it, the user's included, is
// answered by setting it back to the slider's verdict; setting the value it already holds
// raises nothing, so this does not repeat.
void applyAdjacencyRule(CombatSheet& sheet) {
    sheet.tAdjHex0.setValue(adjacency(sheet));
}

// A prone target is easier to hit from the next hex and harder from farther away. A grayed
// "Adjacent Hex" (range never set) counts as not adjacent.
void applyProneRule(CombatSheet& sheet) {
    std::int16_t& mod = sheet.situation.tProneMod;
    if (sheet.tProne0.value() == CheckBox::Unticked) {
        mod = 0;
    } else if (sheet.tAdjHex0.value() == CheckBox::Ticked) {
        mod = -2;
    } else {
        mod = 1;
    }
}

// Moving the slider also re-evaluates a ticked "Prone": its modifier depends on adjacency,
// and keeping the value of the last click would show a wrong number once the range changes.
void applySliderRule(CombatSheet& sheet) {
    sheet.range1.setText(std::to_string(sheet.Slider1.position()));
    applyAdjacencyRule(sheet);
    applyProneRule(sheet);
}

} // namespace

void wireRangeRules(CombatSheet& sheet) {
    sheet.tAdjHex0.onClick([&sheet] { applyAdjacencyRule(sheet); });
    sheet.tProne0.onClick([&sheet] { applyProneRule(sheet); });
    sheet.Slider1.onChange([&sheet] { applySliderRule(sheet); });
}
