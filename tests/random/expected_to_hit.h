#pragma once

// The to-hit number one weapon row must show after Calculate, worked out from the row's
// texts, the range and the expected modifiers by the test's own hand.

#include "situation/situation_modifiers.h"

#include <cstdint>
#include <string>

class CombatSheet;

namespace random_test {

struct ExpectedRow {
    enum class Kind {
        Empty,      // no weapon: the field is emptied
        OutOfRange, // beyond the long range
        Number,     // text holds the sum
        Unreadable, // a text the row needs is no number, or a value overflows: no result
    };
    Kind kind = Kind::Empty;
    std::string text;
    std::int16_t armMod = 0;
    std::int16_t rangeMod = 0;
};

ExpectedRow expectedToHit(const CombatSheet& sheet, const SituationModifiers& m, int row);

// The heat of the rows whose fire box is ticked, as "Total Heat" shows it.
std::string expectedHeatText(const CombatSheet& sheet);

} // namespace random_test
