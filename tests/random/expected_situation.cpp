#include "random/expected_situation.h"

#include "app/combat_sheet.h"
#include "random/sheet_controls.h"

namespace random_test {

namespace {

// The index of the selected button of a group, or -1 when none is (never allowed).
template <std::size_t N>
int selectedIn(const CombatSheet& sheet, const std::array<NamedOption, N>& group) {
    for (std::size_t i = 0; i < N; ++i) {
        if ((sheet.*group[i].button).selected()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::int16_t whenMarked(const CheckBox& box, int value) {
    return static_cast<std::int16_t>(box.value() != 0 ? value : 0);
}

std::int16_t actuator(const CheckBox& box, bool overridden) {
    return overridden ? std::int16_t{0} : whenMarked(box, 1);
}

void attackerModifiers(const CombatSheet& sheet, const SheetHistory& history,
                       SituationModifiers& m) {
    m.aMoveMod = static_cast<std::int16_t>(selectedIn(sheet, ATTACKER_MOVES));
    m.aHeatMod = static_cast<std::int16_t>(selectedIn(sheet, HEAT_LEVELS));
    m.aProneMod = whenMarked(sheet.aProne1, 2);
    m.aWaterMod = whenMarked(sheet.aWater1, 1);
    m.dmgSensorMod = whenMarked(sheet.dmgSensor1, 2);
    m.dmgShoulder1Mod = whenMarked(sheet.dmgShoulder1, 4);
    m.dmgUpperAct1Mod = actuator(sheet.dmgUpperAct1, history.actuatorOverridden[0]);
    m.dmgLowerAct1Mod = actuator(sheet.dmgLowerAct1, history.actuatorOverridden[1]);
    m.dmgShoulder2Mod = whenMarked(sheet.dmgShoulder2, 4);
    m.dmgUpperAct2Mod = actuator(sheet.dmgUpperAct2, history.actuatorOverridden[2]);
    m.dmgLowerAct2Mod = actuator(sheet.dmgLowerAct2, history.actuatorOverridden[3]);
    m.clusterMunitions = sheet.Check6.value() == 1 ? 1 : 0;
}

void targetModifiers(const CombatSheet& sheet, SituationModifiers& m) {
    m.tMoveMod = static_cast<std::int16_t>(selectedIn(sheet, TARGET_MOVES));
    m.tJumpMod = whenMarked(sheet.tJump0, 1);
    m.tImmobileMod = whenMarked(sheet.tImmobile0, -4);
    m.tPartialMod = whenMarked(sheet.tPartial0, 3);
    switch (selectedIn(sheet, TARGET_POSITIONS)) {
    case 1:
        m.tLightWoodsMod = 1;
        break;
    case 2:
        m.tHeavyWoodsMod = 2;
        break;
    case 3:
        m.tWaterMod = -1;
        break;
    default:
        break;
    }
    if (sheet.tProne0.value() == 0) {
        m.tProneMod = 0;
    } else {
        m.tProneMod = sheet.tAdjHex0.value() == 1 ? -2 : 1;
    }
}

} // namespace

SituationModifiers expectedModifiers(const CombatSheet& sheet, const SheetHistory& history) {
    SituationModifiers m;
    attackerModifiers(sheet, history, m);
    targetModifiers(sheet, m);
    return m;
}

std::string expectedRangeText(const CombatSheet& sheet, const SheetHistory& history) {
    return history.sliderMoved ? std::to_string(sheet.Slider1.position()) : std::string();
}

int expectedAdjacency(const CombatSheet& sheet, const SheetHistory& history) {
    if (history.sliderMoved) {
        return sheet.Slider1.position() == 1 ? 1 : 0;
    }
    return history.adjacencyClicked ? 0 : 2;
}

std::string expectedTitle(const CombatSheet& sheet, const SheetHistory& history) {
    if (!history.namesChanged) {
        return "Vexolan";
    }
    return sheet.pilotName.text() + ":" + sheet.mechName.text();
}

} // namespace random_test
