#include "tohit/to_hit_breakdown.h"

#include "app/arm_damage.h"
#include "app/combat_sheet.h"
#include "app/number_text.h"
#include "tohit/to_hit_row.h"
#include "tohit/two_dice_odds.h"

#include <cmath>
#include <optional>

namespace {

std::string_view nameOf(Summand summand) {
    return SUMMANDS[static_cast<std::size_t>(summand)].name;
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

std::string armLabel(const ArmDamage* arm) {
    return arm != nullptr ? std::string(arm->label) + " damage"
                          : std::string(nameOf(Summand::ArmDamage));
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
    std::string line = summandLabel(sheet, row, Summand::Gunnery) + " " +
                       numberText(row.summand(Summand::Gunnery));
    for (const SummandEntry& entry : SUMMANDS) {
        const double value = row.summand(entry.summand);
        if (entry.summand != Summand::Gunnery && value != 0.0) {
            // A modifier shows its sign, "+2" or "-1".
            line.append(", ").append(summandLabel(sheet, row, entry.summand));
            line.append(value > 0 ? " +" : " ").append(numberText(value));
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

std::string summandLabel(const CombatSheet& sheet, const ToHitRow& row, Summand summand) {
    switch (summand) {
    case Summand::Range:
        return rangeLabel(row.bracket);
    case Summand::AttackerMovement:
        return chosen(sheet.attackerMovementGroup);
    case Summand::ArmDamage:
        return armLabel(row.arm);
    case Summand::Heat:
        return "Heat " + chosen(sheet.heatGroup);
    case Summand::TargetMovement:
        return "Target moved " + chosen(sheet.targetMovementGroup);
    default:
        return std::string(nameOf(summand));
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
    const std::optional<double> damage = readNumber(sheet.damage[index].text());
    if (damage && std::isfinite(*damage)) {
        return damage;
    }
    return std::nullopt;
}
