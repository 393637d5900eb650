#pragma once

// One weapon row's to-hit number, worked out from the sheet without writing to it, so
// that Calculate can show every row's result or none, and each result can be broken down
// into its named summands.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CombatSheet;

inline constexpr int SUMMAND_COUNT = 20;

// The summands of a to-hit number, in the order in which they are added, as the sheet
// names them; the range, the arm, the movements and the heat get finer names in the
// breakdown (to_hit_breakdown.h).
extern const std::array<std::string_view, SUMMAND_COUNT> SUMMAND_NAMES;

// The message for a field whose number does not fit the sheet's 16-bit values.
std::string notSixteenBitMessage(const std::string& fieldName);

struct ToHitRow {
    // Which bracket the range fell into; Minimum is at or inside the minimum range.
    enum class RangeBracket { Short, Medium, Long, Minimum };
    // The arm whose damage boxes count for the row's location, if any.
    enum class Arm { None, Right, Left };

    enum class Status {
        Empty,      // no weapon in the row: the to-hit field is emptied
        OutOfRange, // the target lies beyond the long range
        Number,     // the summands and their total are set
        Failed,     // a text could not be read or a value overflowed: see error
    };

    Status status = Status::Empty;
    // For a Number: the values named in SUMMAND_NAMES, and their sum in that order.
    std::array<double, SUMMAND_COUNT> summands{};
    double total = 0.0;
    // For Failed: the message naming the field as the user sees it.
    std::string error;

    // The working values the window keeps for a row that holds a weapon.
    std::int16_t armMod = 0;
    std::int16_t rangeMod = 0;
    std::int16_t clusterMod = 0;
    std::int16_t pulseMod = 0;

    // What names the range and arm summands, for a row that holds a weapon.
    RangeBracket bracket = RangeBracket::Short;
    Arm arm = Arm::None;

    // The text of the row's to-hit field: "", "Out of Range" or the total.
    std::string toHitText() const;
};

// Computes row `row` (0 to 11) from the sheet's current texts, modifiers and range.
ToHitRow computeToHitRow(const CombatSheet& sheet, int row);
