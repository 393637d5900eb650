#pragma once

// One weapon row's to-hit number, worked out from the sheet without writing to it, so
// that Calculate can show every row's result or none, and each result can be broken down
// into its named summands.

#include "app/situation_modifiers.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class CombatSheet;
struct ArmDamage;

// The summands of a to-hit number, in the order in which they are added.
enum class Summand : std::size_t {
    Gunnery,
    Range,
    ClusterMunitions,
    PulseLaser,
    AttackerMovement,
    AttackerProne,
    AttackerInWater,
    ArmDamage,
    Sensors,
    Heat,
    LightWoods,
    HeavyWoods,
    TargetMovement,
    TargetJumped,
    TargetInHeavyWoods,
    TargetInLightWoods,
    Immobile,
    PartialCover,
    TargetProne,
    TargetInWater,
};

struct SummandEntry {
    Summand summand;
    std::string_view name; // as the breakdown names it, unless it names it finer
    // The situation modifier that is the summand; null for those worked out per row.
    std::int16_t SituationModifiers::*modifier;
};

// Every summand in the order of addition: the one table that the sum, the breakdown and the
// range chart's cells read. The range, the arm, the movements and the heat get finer names in
// the breakdown (to_hit_breakdown.h).
inline constexpr std::array<SummandEntry, 20> SUMMANDS = {{
    {Summand::Gunnery, "Gunnery", nullptr},
    {Summand::Range, "Range", nullptr},
    {Summand::ClusterMunitions, "Cluster munitions", nullptr},
    {Summand::PulseLaser, "Pulse laser", nullptr},
    {Summand::AttackerMovement, "Attacker movement", &SituationModifiers::aMoveMod},
    {Summand::AttackerProne, "Attacker prone", &SituationModifiers::aProneMod},
    {Summand::AttackerInWater, "Attacker in water", &SituationModifiers::aWaterMod},
    {Summand::ArmDamage, "Arm damage", nullptr},
    {Summand::Sensors, "Sensors", &SituationModifiers::dmgSensorMod},
    {Summand::Heat, "Heat", &SituationModifiers::aHeatMod},
    {Summand::LightWoods, "Light woods", nullptr},
    {Summand::HeavyWoods, "Heavy woods", nullptr},
    {Summand::TargetMovement, "Target movement", &SituationModifiers::tMoveMod},
    {Summand::TargetJumped, "Target jumped", &SituationModifiers::tJumpMod},
    {Summand::TargetInHeavyWoods, "Target in heavy woods", &SituationModifiers::tHeavyWoodsMod},
    {Summand::TargetInLightWoods, "Target in light woods", &SituationModifiers::tLightWoodsMod},
    {Summand::Immobile, "Immobile", &SituationModifiers::tImmobileMod},
    {Summand::PartialCover, "Partial cover", &SituationModifiers::tPartialMod},
    {Summand::TargetProne, "Target prone", &SituationModifiers::tProneMod},
    {Summand::TargetInWater, "Target in water", &SituationModifiers::tWaterMod},
}};

constexpr bool inEnumOrder(const std::array<SummandEntry, 20>& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].summand) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumOrder(SUMMANDS), "SUMMANDS lists every summand in the order of Summand");

// The message for a field whose number does not fit the sheet's 16-bit values.
std::string notSixteenBitMessage(const std::string& fieldName);

struct ToHitRow {
    // Which bracket the range fell into; Minimum is at or inside the minimum range.
    enum class RangeBracket { Short, Medium, Long, Minimum };

    enum class Status {
        Empty,      // no weapon in the row: the to-hit field is emptied
        OutOfRange, // the target lies beyond the long range
        Number,     // the summands and their total are set
        Failed,     // a text could not be read or a value overflowed: see error
    };

    Status status = Status::Empty;
    // For a Number: the summands, in the order of SUMMANDS, and their sum in that order.
    std::array<double, SUMMANDS.size()> summands{};
    double total = 0.0;
    // For Failed: the message naming the field as the user sees it.
    std::string error;

    // What names the range and arm summands, for a row that holds a weapon: the bracket, and
    // the arm the weapon is mounted in, if any.
    RangeBracket bracket = RangeBracket::Short;
    const ArmDamage* arm = nullptr;

    double summand(Summand which) const { return summands[static_cast<std::size_t>(which)]; }
    // The text of the row's to-hit field: "", "Out of Range" or the total.
    std::string toHitText() const;
};

// Computes row `row` (0 to 11) from the sheet's current texts, modifiers and range.
ToHitRow computeToHitRow(const CombatSheet& sheet, int row);
