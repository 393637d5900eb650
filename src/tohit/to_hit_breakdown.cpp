#include "tohit/to_hit_breakdown.h"

#include "app/combat_sheet.h"
#include "app/number_text.h"
#include "tohit/to_hit_row.h"
#include "tohit/two_dice_odds.h"

#include <cmath>
#include <optional>

namespace {

// The places of the summands whose names depend on the row or the sheet.
enum Summand {
    Gunnery = 0,
    Range = 1,
    AttackerMovement = 4,
    ArmDamage = 7,
    Heat = 9,
    TargetMovement = 12,
};

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

// The caption of the group's chosen option: its modifier is the one being named.
const std::string& chosen(const OptionGroup& group) {
    static const std::string none;
    const OptionButton* option = group.selected();
    return option != nullptr ? option->plainCaption() : none;
}

// The non-zero summands in order, the gunnery skill always, and their total:
// "Gunnery 4, Medium range +2, Walked +1 = 7". The skill is where the sum starts, not a
// modifier, so it carries no sign.
std::string summandsLine(const CombatSheet& sheet, const ToHitRow& row) {
    std::string line = summandLabel(sheet, row, Gunnery) + " " + numberText(row.summands[Gunnery]);
    for (int index = Gunnery + 1; index < SUMMAND_COUNT; ++index) {
        if (row.summands[index] != 0.0) {
            // A modifier shows its sign, "+2" or "-1".
            line.append(", ").append(summandLabel(sheet, row, index));
            line.append(row.summands[index] > 0 ? " +" : " ")
                .append(numberText(row.summands[index]));
        }
    }
    return line.append(" = ").append(numberText(row.total));
}

std::string outOfRangeText(const std::string& longRangeText) {
    const std::optional<double> reach = readNumber(longRangeText);
    const char* unit = reach && *reach == 1.0 ? " hex)" : " hexes)";
    return "Beyond long range (" + longRangeText + unit;
}

} // namespace

std::string summandLabel(const CombatSheet& sheet, const ToHitRow& row, int index) {
    switch (index) {
    case Range:
        return rangeLabel(row.bracket);
    case AttackerMovement:
        return chosen(sheet.aMoveGroup);
    case ArmDamage:
        return armLabel(row.arm);
    case Heat:
        return "Heat " + chosen(sheet.aHeatGroup);
    case TargetMovement:
        return "Target moved " + chosen(sheet.tMoveGroup);
    default:
        return std::string(SUMMAND_NAMES[index]);
    }
}

std::string toHitToolTip(const CombatSheet& sheet, const ToHitRow& row, int index) {
    switch (row.status) {
    case ToHitRow::Status::OutOfRange:
        return outOfRangeText(sheet.lRange[index].text());
    case ToHitRow::Status::Number:
        break;
    case ToHitRow::Status::Empty:
    case ToHitRow::Status::Failed:
        return "";
    }
    std::string tip = summandsLine(sheet, row) + "\nChance to hit " + chanceText(row.total);
    if (const std::optional<double> damage = damageNumber(sheet, index)) {
        tip += "\nExpected damage " + expectedDamageText(row.total, *damage);
    }
    return tip;
}

std::optional<double> damageNumber(const CombatSheet& sheet, int index) {
    const std::optional<double> damage = readNumber(sheet.Damage[index].text());
    if (damage && std::isfinite(*damage)) {
        return damage;
    }
    return std::nullopt;
}
