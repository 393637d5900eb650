#include "tohit/to_hit_breakdown.h"

#include "app/number_text.h"
#include "tohit/to_hit_row.h"
#include "tohit/two_dice_odds.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

// The places of the summands whose names depend on the row or the modifier's value.
enum Summand {
    Gunnery = 0,
    Range = 1,
    AttackerMovement = 4,
    ArmDamage = 7,
    Heat = 9,
    TargetMovement = 12,
};

// The captions of the option buttons that give each value, from 0 up.
constexpr std::array<std::string_view, 4> AttackerMoves = {"", "Walked", "Ran", "Jumped"};
constexpr std::array<std::string_view, 5> HeatLevels = {"", "8-12", "13-16", "17-23", "24+"};
constexpr std::array<std::string_view, 5> TargetMoves = {"", "3-4", "5-6", "7-9", "10+"};

// The caption for a modifier's value, or none for a value no option gives.
template <std::size_t N>
std::optional<std::string_view> captionFor(const std::array<std::string_view, N>& captions,
                                           double value) {
    if (value >= 1 && value < static_cast<double>(N) && value == std::floor(value)) {
        return captions[static_cast<std::size_t>(value)];
    }
    return std::nullopt;
}

std::string rangeLabel(ToHitRow::RangeBracket bracket) {
    switch (bracket) {
    case ToHitRow::RangeBracket::Short:
        return "Short range";
    case ToHitRow::RangeBracket::Medium:
        return "Medium range";
    case ToHitRow::RangeBracket::Long:
        return "Long range";
    case ToHitRow::RangeBracket::Minimum:
        break;
    }
    return "Minimum range";
}

std::string armLabel(ToHitRow::Arm arm) {
    switch (arm) {
    case ToHitRow::Arm::Right:
        return "Right arm damage";
    case ToHitRow::Arm::Left:
        return "Left arm damage";
    case ToHitRow::Arm::None:
        break;
    }
    return std::string(SUMMAND_NAMES[ArmDamage]);
}

// A summand with its sign, "+2" or "-1".
std::string signedText(double value) {
    return (value > 0 ? "+" : "") + numberText(value);
}

std::string summandText(const ToHitRow& row, int index) {
    const double value = row.summands[index];
    // The skill is where the sum starts, not a modifier.
    if (index == Gunnery) {
        return summandLabel(row, index) + " " + numberText(value);
    }
    return summandLabel(row, index) + " " + signedText(value);
}

std::string outOfRangeText(std::string_view longRangeText) {
    const std::optional<double> reach = readNumber(longRangeText);
    const char* unit = reach && *reach == 1.0 ? " hex)" : " hexes)";
    return "Beyond long range (" + std::string(longRangeText) + unit;
}

} // namespace

std::string summandLabel(const ToHitRow& row, int index) {
    const double value = row.summands[index];
    switch (index) {
    case Range:
        return rangeLabel(row.bracket);
    case AttackerMovement:
        if (auto caption = captionFor(AttackerMoves, value)) {
            return std::string(*caption);
        }
        break;
    case ArmDamage:
        return armLabel(row.arm);
    case Heat:
        if (auto caption = captionFor(HeatLevels, value)) {
            return "Heat " + std::string(*caption);
        }
        break;
    case TargetMovement:
        if (auto caption = captionFor(TargetMoves, value)) {
            return "Target moved " + std::string(*caption);
        }
        break;
    default:
        break;
    }
    return std::string(SUMMAND_NAMES[index]);
}

std::string summandsLine(const ToHitRow& row) {
    std::string line;
    for (int index = 0; index < SUMMAND_COUNT; ++index) {
        if (index != Gunnery && row.summands[index] == 0.0) {
            continue;
        }
        if (!line.empty()) {
            line += ", ";
        }
        line += summandText(row, index);
    }
    return line + " = " + numberText(row.total);
}

std::string toHitToolTip(const ToHitRow& row, std::string_view damageText,
                         std::string_view longRangeText) {
    switch (row.status) {
    case ToHitRow::Status::OutOfRange:
        return outOfRangeText(longRangeText);
    case ToHitRow::Status::Number:
        break;
    case ToHitRow::Status::Empty:
    case ToHitRow::Status::Failed:
        return "";
    }
    std::string tip = summandsLine(row) + "\nChance to hit " + chanceText(row.total);
    // Missiles list their damage per missile ("1/missle"): no single number to weigh.
    const std::optional<double> damage = readNumber(damageText);
    if (damage && std::isfinite(*damage)) {
        tip += "\nExpected damage " + expectedDamageText(row.total, *damage);
    }
    return tip;
}
