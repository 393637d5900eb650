#include "situation/range_rules.h"

#include "app/combat_sheet.h"
#include "app/rules.h"

#include <cstdint>
#include <string>

namespace {

// The slider rests below the nearest range: there it sets no range at all, as on a new sheet.
bool rangeSet(const CombatSheet& sheet) {
    return sheet.rangeSlider.position() != sheet.rangeSlider.minimum();
}

// Without a range, whether the target is adjacent is unknown: grayed, as on a new sheet.
BoxState adjacency(const CombatSheet& sheet) {
    if (!rangeSet(sheet)) {
        return BoxState::Grayed;
    }
    return sheet.rangeSlider.position() == rules::AdjacentRange ? BoxState::Ticked
                                                                : BoxState::Unticked;
}

// "Adjacent Hex" only shows what the slider says. Any click on it, the user's included, is
// answered by setting it back to the slider's verdict; setting the value it already holds
// raises nothing, so this does not repeat.
void applyAdjacencyRule(CombatSheet& sheet) {
    sheet.adjacentHexBox.setValue(adjacency(sheet));
}

// A prone target is easier to hit from the next hex and harder from farther away. A grayed
// "Adjacent Hex" (range never set) counts as not adjacent.
void applyProneRule(CombatSheet& sheet) {
    std::int16_t& mod = sheet.situation.tProneMod;
    if (sheet.targetProneBox.value() == BoxState::Unticked) {
        mod = 0;
    } else if (sheet.adjacentHexBox.value() == BoxState::Ticked) {
        mod = rules::ProneAdjacentMod;
    } else {
        mod = rules::ProneFartherMod;
    }
}

// Moving the slider also re-evaluates a ticked "Prone": its modifier depends on adjacency,
// and keeping the value of the last click would show a wrong number once the range changes.
void applySliderRule(CombatSheet& sheet) {
    sheet.rangeBox.setText(rangeSet(sheet) ? std::to_string(sheet.rangeSlider.position()) : "");
    applyAdjacencyRule(sheet);
    applyProneRule(sheet);
}

} // namespace

void wireRangeRules(CombatSheet& sheet) {
    sheet.adjacentHexBox.onClick([&sheet] { applyAdjacencyRule(sheet); });
    sheet.targetProneBox.onClick([&sheet] { applyProneRule(sheet); });
    sheet.rangeSlider.onChange([&sheet] { applySliderRule(sheet); });
}
