#include "tohit/to_hit_row.h"

#include "app/combat_sheet.h"
#include "app/number_text.h"
#include "tohit/sixteen_bit.h"

#include <cmath>
#include <optional>
#include <string>

const std::array<std::string_view, SUMMAND_COUNT> SUMMAND_NAMES = {
    "Gunnery",           "Range",          "Cluster munitions",     "Pulse laser",
    "Attacker movement", "Attacker prone", "Attacker in water",     "Arm damage",
    "Sensors",           "Heat",           "Light woods",           "Heavy woods",
    "Target movement",   "Target jumped",  "Target in heavy woods", "Target in light woods",
    "Immobile",          "Partial cover",  "Target prone",          "Target in water",
};

std::string notSixteenBitMessage(const std::string& fieldName) {
    return fieldName + " must be a whole number from -32768 to 32767.";
}

namespace {

constexpr std::int16_t LongRangeMod = 4;
constexpr std::int16_t MediumRangeMod = 2;
constexpr std::int16_t ShortRangeMod = 0;
constexpr std::int16_t ClusterMunitionsMod = -1;
constexpr std::int16_t PulseLaserMod = -2;
constexpr double HeavyWoodsPerHex = 2.0;

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

bool contains(std::string_view name, std::string_view piece) {
    return name.find(piece) != std::string_view::npos;
}

// The arm damage boxes count only for weapons mounted in that arm.
void setArmModifier(const CombatSheet& sheet, int row, ToHitRow& result) {
    const SituationModifiers& s = sheet.situation;
    const std::string& location = sheet.weapLoc[row].text();
    int sum = 0;
    if (location == RightArm) {
        result.arm = ToHitRow::Arm::Right;
        sum = s.dmgLowerAct1Mod + s.dmgUpperAct1Mod + s.dmgShoulder1Mod;
    } else if (location == LeftArm) {
        result.arm = ToHitRow::Arm::Left;
        sum = s.dmgLowerAct2Mod + s.dmgUpperAct2Mod + s.dmgShoulder2Mod;
    }
    result.armMod = sixteenBit(sum, {sheet.weapLoc[row], row});
}

// A range equal to a bracket's upper end still belongs to that bracket; at or inside the
// minimum range, every hex closer costs one more. Only the brackets the comparison
// reaches are read, so a stray text in a bracket that cannot matter stops nothing.
void setRangeModifier(const CombatSheet& sheet, int row, int range, ToHitRow& result) {
    using Bracket = ToHitRow::RangeBracket;
    if (numberIn(sheet.mRange, row) < range) {
        result.bracket = Bracket::Long;
        result.rangeMod = LongRangeMod;
        return;
    }
    if (numberIn(sheet.sRange, row) < range) {
        result.bracket = Bracket::Medium;
        result.rangeMod = MediumRangeMod;
        return;
    }
    double minimum = numberIn(sheet.minRange, row);
    if (minimum < range) {
        result.bracket = Bracket::Short;
        result.rangeMod = ShortRangeMod;
        return;
    }
    double shownRange = numberIn(sheet.range1.text(), {sheet.range1});
    result.bracket = Bracket::Minimum;
    result.rangeMod = sixteenBit(minimum + 1.0 - shownRange, {sheet.minRange[row], row});
}

std::array<double, SUMMAND_COUNT> summandsOf(const CombatSheet& sheet, const ToHitRow& row) {
    const SituationModifiers& s = sheet.situation;
    double gunnery = numberIn(sheet.gunSkill);
    double lightWoods = numberIn(sheet.hexLW);
    double heavyWoods = numberIn(sheet.hexHW);
    // Same order as SUMMAND_NAMES.
    return {gunnery,
            double(row.rangeMod),
            double(row.clusterMod),
            double(row.pulseMod),
            double(s.aMoveMod),
            double(s.aProneMod),
            double(s.aWaterMod),
            double(row.armMod),
            double(s.dmgSensorMod),
            double(s.aHeatMod),
            lightWoods,
            HeavyWoodsPerHex * heavyWoods,
            double(s.tMoveMod),
            double(s.tJumpMod),
            double(s.tHeavyWoodsMod),
            double(s.tLightWoodsMod),
            double(s.tImmobileMod),
            double(s.tPartialMod),
            double(s.tProneMod),
            double(s.tWaterMod)};
}

double sumInOrder(const std::array<double, SUMMAND_COUNT>& summands) {
    double total = 0.0;
    for (double summand : summands) {
        total += summand;
    }
    return total;
}

ToHitRow computeWeaponRow(const CombatSheet& sheet, int row) {
    const std::string& name = sheet.weapName[row].text();
    int range = sheet.Slider1.position();
    ToHitRow result;
    setArmModifier(sheet, row, result);
    setRangeModifier(sheet, row, range, result);
    bool cluster = contains(name, "LB") && sheet.situation.clusterMunitions == 1;
    result.clusterMod = cluster ? ClusterMunitionsMod : 0;
    result.pulseMod = contains(name, "PLas") ? PulseLaserMod : 0;
    if (numberIn(sheet.lRange, row) < range) {
        result.status = ToHitRow::Status::OutOfRange;
        return result;
    }
    result.summands = summandsOf(sheet, result);
    result.total = sumInOrder(result.summands);
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
