#pragma once

// What the situation modifiers and the range, adjacency and title controls must hold, worked
// out from the controls as they stand and from the few things only the order of events
// decides, which the test records as it acts.

#include "situation/situation_modifiers.h"

#include <array>
#include <string>

class CombatSheet;

namespace random_test {

struct SheetHistory {
    bool sliderMoved = false;
    // "Adjacent Hex" was clicked while the slider still had not moved.
    bool adjacencyClicked = false;
    bool namesChanged = false;
    // Per actuator box (right upper, right lower, left upper, left lower): a shoulder hit
    // cleared its field and the box has not been clicked since.
    std::array<bool, 4> actuatorOverridden{};
};

SituationModifiers expectedModifiers(const CombatSheet& sheet, const SheetHistory& history);
std::string expectedRangeText(const CombatSheet& sheet, const SheetHistory& history);
int expectedAdjacency(const CombatSheet& sheet, const SheetHistory& history);
std::string expectedTitle(const CombatSheet& sheet, const SheetHistory& history);

} // namespace random_test
