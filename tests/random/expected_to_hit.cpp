#include "random/expected_to_hit.h"

#include "app/combat_sheet.h"
#include "random/sheet_number.h"

#include <cmath>
#include <optional>

namespace random_test {

namespace {

// A number the calculation can use: readable and finite.
std::optional<double> usable(const std::string& text) {
    std::optional<double> value = sheetNumber(text);
    if (value && !std::isfinite(*value)) {
        return std::nullopt;
    }
    return value;
}

std::int16_t armDamage(const std::string& location, const SituationModifiers& m) {
    if (location == "RA") {
        return static_cast<std::int16_t>(m.dmgShoulder1Mod + m.dmgUpperAct1Mod + m.dmgLowerAct1Mod);
    }
    if (location == "LA") {
        return static_cast<std::int16_t>(m.dmgShoulder2Mod + m.dmgUpperAct2Mod + m.dmgLowerAct2Mod);
    }
    return 0;
}

// Rounds to the nearest whole number, halves to even, as a 16-bit value.
std::optional<std::int16_t> sixteenBits(double value) {
    double whole = std::nearbyint(value);
    if (!(whole >= -32768.0 && whole <= 32767.0)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

// The brackets are compared from the medium end down, each read only when it is reached.
std::optional<std::int16_t> rangeModifier(const CombatSheet& sheet, int row, int range) {
    auto medium = usable(sheet.mRange[row].text());
    if (!medium) {
        return std::nullopt;
    }
    if (*medium < range) {
        return std::int16_t{4};
    }
    auto shortEnd = usable(sheet.sRange[row].text());
    if (!shortEnd) {
        return std::nullopt;
    }
    if (*shortEnd < range) {
        return std::int16_t{2};
    }
    auto minimum = usable(sheet.minRange[row].text());
    if (!minimum) {
        return std::nullopt;
    }
    if (*minimum < range) {
        return std::int16_t{0};
    }
    auto shown = usable(sheet.range1.text());
    if (!shown) {
        return std::nullopt;
    }
    return sixteenBits(*minimum + 1.0 - *shown);
}

ExpectedRow unreadable() {
    ExpectedRow row;
    row.kind = ExpectedRow::Kind::Unreadable;
    return row;
}

} // namespace

ExpectedRow expectedToHit(const CombatSheet& sheet, const SituationModifiers& m, int row) {
    const std::string& name = sheet.weapName[row].text();
    if (name.empty()) {
        return {};
    }
    const int range = sheet.Slider1.position();
    ExpectedRow expected;
    expected.armMod = armDamage(sheet.weapLoc[row].text(), m);
    auto rangeMod = rangeModifier(sheet, row, range);
    if (!rangeMod) {
        return unreadable();
    }
    expected.rangeMod = *rangeMod;
    auto longEnd = usable(sheet.lRange[row].text());
    if (!longEnd) {
        return unreadable();
    }
    if (*longEnd < range) {
        expected.kind = ExpectedRow::Kind::OutOfRange;
        expected.text = "Out of Range";
        return expected;
    }
    auto gunnery = usable(sheet.gunSkill.text());
    auto lightWoods = usable(sheet.hexLW.text());
    auto heavyWoods = usable(sheet.hexHW.text());
    if (!gunnery || !lightWoods || !heavyWoods) {
        return unreadable();
    }
    const bool cluster = name.find("LB") != std::string::npos && m.clusterMunitions == 1;
    const bool pulse = name.find("PLas") != std::string::npos;
    // Added one by one in this order: with a fraction in a woods box the order shows.
    double sum = *gunnery;
    sum += expected.rangeMod;
    sum += cluster ? -1 : 0;
    sum += pulse ? -2 : 0;
    sum += m.aMoveMod;
    sum += m.aProneMod;
    sum += m.aWaterMod;
    sum += expected.armMod;
    sum += m.dmgSensorMod;
    sum += m.aHeatMod;
    sum += *lightWoods;
    sum += 2.0 * *heavyWoods;
    sum += m.tMoveMod;
    sum += m.tJumpMod;
    sum += m.tHeavyWoodsMod;
    sum += m.tLightWoodsMod;
    sum += m.tImmobileMod;
    sum += m.tPartialMod;
    sum += m.tProneMod;
    sum += m.tWaterMod;
    if (!std::isfinite(sum)) {
        return unreadable();
    }
    expected.kind = ExpectedRow::Kind::Number;
    expected.text = shownNumber(sum);
    return expected;
}

std::string expectedHeatText(const CombatSheet& sheet) {
    int heat = 0;
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        if (sheet.fireCheck[row].value() == 1) {
            heat += sheet.weapHeat[row];
        }
    }
    return std::to_string(heat);
}

} // namespace random_test
