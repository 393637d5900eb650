#include "tohit/to_hit_row.h"

#include "app/arm_damage.h"
#include "app/combat_sheet.h"
#include "app/number_text.h"
#include "tohit/sixteen_bit.h"

#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

std::string notSixteenBitMessage(const std::string& fieldName) {
    return fieldName + " must be a whole number from -32768 to 32767.";
}

namespace {

// Thrown inside one row's computation and turned into a failed row, so that the message
// names the first field that stopped it.
struct RowFailure {
    std::string message;
};

// A field as the user sees it: its caption, and its row for a field of a weapon row. Its name
// is spelled out only for a message: Calculate reads a dozen fields per row and nearly always
// finds them all in order.
struct Field {
    const Control& control;
    int row = -1; // the weapon row holding the field, or -1 for a field of the sheet
};

std::string nameOf(const Field& field) {
    const std::string caption = field.control.plainCaption();
    return field.row < 0 ? caption : "Row " + std::to_string(field.row + 1) + ", " + caption;
}

double numberIn(const std::string& text, const Field& field) {
    std::optional<double> value = readNumber(text);
    if (!value) {
        throw RowFailure{nameOf(field) + " must be a number."};
    }
    // A number too long for a double reads as infinite; no sum can use it.
    if (!std::isfinite(*value)) {
        throw RowFailure{nameOf(field) + " is too large."};
    }
    return *value;
}

double numberIn(const ComboBox& list) {
    return numberIn(list.text(), {list});
}

double numberIn(const RowArray<TextBox>& column, int row) {
    const TextBox& box = column[static_cast<std::size_t>(row)];
    return numberIn(box.text(), {box, row});
}

std::int16_t sixteenBit(double value, const Field& field) {
    std::optional<std::int16_t> whole = toSixteenBit(value);
    if (!whole) {
        throw RowFailure{notSixteenBitMessage(nameOf(field))};
    }
    return *whole;
}

// The arm damage boxes count only for weapons mounted in that arm.
std::int16_t armModifier(const CombatSheet& sheet, int row, ToHitRow& result) {
    const std::string& location = sheet.weapLoc[row].text();
    for (const ArmDamage& arm : ARMS) {
        if (location == arm.location) {
            result.arm = &arm;
            const SituationModifiers& s = sheet.situation;
            return sixteenBit(s.*arm.lowerActuatorMod + s.*arm.upperActuatorMod +
                                  s.*arm.shoulderMod,
                              {sheet.weapLoc[row], row});
        }
    }
    return 0;
}

// A range equal to a bracket's upper end still belongs to that bracket; at or inside the
// minimum range, every hex closer costs one more. Only the brackets the comparison
// reaches are read, so a stray text in a bracket that cannot matter stops nothing.
std::int16_t rangeModifier(const CombatSheet& sheet, int row, int range, ToHitRow& result) {
    using Bracket = ToHitRow::RangeBracket;
    if (numberIn(sheet.mRange, row) < range) {
        result.bracket = Bracket::Long;
        return rules::LongRangeMod;
    }
    if (numberIn(sheet.sRange, row) < range) {
        result.bracket = Bracket::Medium;
        return rules::MediumRangeMod;
    }
    double minimum = numberIn(sheet.minRange, row);
    if (minimum < range) {
        result.bracket = Bracket::Short;
        return rules::ShortRangeMod;
    }
    double shownRange = numberIn(sheet.rangeBox.text(), {sheet.rangeBox});
    result.bracket = Bracket::Minimum;
    return sixteenBit(minimum + 1.0 - shownRange, {sheet.minRange[row], row});
}

// The row's own summands, the range, the arm and the weapon's family, are worked out in the
// order of addition, so that the first field that cannot be read is the one named.
struct RowSummands {
    std::int16_t range = 0;
    std::int16_t clusterMunitions = 0;
    std::int16_t pulseLaser = 0;
    std::int16_t arm = 0;
};

double summandValue(const CombatSheet& sheet, const SummandEntry& entry, const RowSummands& own) {
    if (entry.modifier != nullptr) {
        return sheet.situation.*entry.modifier;
    }
    switch (entry.summand) {
    case Summand::Gunnery:
        return numberIn(sheet.gunSkill);
    case Summand::Range:
        return own.range;
    case Summand::ClusterMunitions:
        return own.clusterMunitions;
    case Summand::PulseLaser:
        return own.pulseLaser;
    case Summand::ArmDamage:
        return own.arm;
    case Summand::LightWoods:
        return rules::LightWoodsPerHex * numberIn(sheet.hexLW);
    case Summand::HeavyWoods:
        return rules::HeavyWoodsPerHex * numberIn(sheet.hexHW);
    default:
        break;
    }
    throw std::logic_error("a summand that is neither a modifier nor the row's own");
}

ToHitRow computeWeaponRow(const CombatSheet& sheet, int row) {
    const int range = sheet.rangeSlider.position();
    const WeaponFamily family = sheet.weapFamily[row];
    ToHitRow result;
    RowSummands own;
    own.arm = armModifier(sheet, row, result);
    own.range = rangeModifier(sheet, row, range, result);
    const bool cluster = family == WeaponFamily::LbxAutocannon && sheet.firesClusterMunitions;
    own.clusterMunitions = cluster ? rules::ClusterMunitionsMod : 0;
    own.pulseLaser = family == WeaponFamily::PulseLaser ? rules::PulseLaserMod : 0;
    if (numberIn(sheet.lRange, row) < range) {
        result.status = ToHitRow::Status::OutOfRange;
        return result;
    }
    for (std::size_t i = 0; i < SUMMANDS.size(); ++i) {
        result.summands[i] = summandValue(sheet, SUMMANDS[i], own);
        result.total += result.summands[i];
    }
    if (!std::isfinite(result.total)) {
        throw RowFailure{nameOf({sheet.toHit[row], row}) + " is too large to show."};
    }
    result.status = ToHitRow::Status::Number;
    return result;
}

} // namespace

std::string ToHitRow::toHitText() const {
    switch (status) {
    case Status::OutOfRange:
        return "Out of Range";
    case Status::Number:
        return numberText(total);
    case Status::Empty:
    case Status::Failed:
        break;
    }
    return "";
}

ToHitRow computeToHitRow(const CombatSheet& sheet, int row) {
    if (sheet.weapName[row].text().empty()) {
        return ToHitRow{};
    }
    try {
        return computeWeaponRow(sheet, row);
    } catch (const RowFailure& failure) {
        ToHitRow failed;
        failed.status = ToHitRow::Status::Failed;
        failed.error = failure.message;
        return failed;
    }
}
