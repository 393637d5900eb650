#include "declare/sheet_snapshot.h"

#include "app/combat_sheet.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <utility>

namespace declare_test {

namespace {

std::string indexed(const std::string& name, std::size_t index) {
    return name + "[" + std::to_string(index) + "]";
}

std::string flag(bool value) {
    return value ? "1" : "0";
}

void recordSetup(const CombatSheet& sheet, Snapshot& values) {
    values["title"] = sheet.title();
    values["mechName"] = sheet.mechName.text();
    values["pilotName"] = sheet.pilotName.text();
    values["gunSkill"] = sheet.gunSkill.text();
    values["pilotSkill"] = sheet.pilotSkill.text();
    values["gunSkillText"] = sheet.gunSkillText.text();
    values["Option1"] = flag(sheet.Option1.selected());
    values["Option2"] = flag(sheet.Option2.selected());
    const CheckBox* equipment[] = {&sheet.Check2, &sheet.Check3, &sheet.Check4,
                                   &sheet.Check5, &sheet.Check6, &sheet.Check7};
    for (std::size_t i = 0; i < std::size(equipment); ++i) {
        values["Check" + std::to_string(i + 2)] = std::to_string(equipment[i]->value());
    }
    values["Setup.visible"] = flag(sheet.Setup.visible());
    values["Frame1.visible"] = flag(sheet.Frame1.visible());
    values["techBase"] = std::to_string(sheet.techBase);
}

void recordAttacker(const CombatSheet& sheet, Snapshot& values) {
    values["range1"] = sheet.range1.text();
    values["Slider1"] = std::to_string(sheet.Slider1.position());
    const OptionButton* moves[] = {&sheet.aMove1, &sheet.aMove2, &sheet.aMove3, &sheet.aMove4};
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        values["aMove" + std::to_string(i + 1)] = flag(moves[i]->selected());
    }
    const OptionButton* heats[] = {&sheet.aHeat0, &sheet.aHeat1, &sheet.aHeat2, &sheet.aHeat3,
                                   &sheet.aHeat4};
    for (std::size_t i = 0; i < std::size(heats); ++i) {
        values["aHeat" + std::to_string(i)] = flag(heats[i]->selected());
    }
    values["aProne1"] = std::to_string(sheet.aProne1.value());
    values["aWater1"] = std::to_string(sheet.aWater1.value());
    values["dmgSensor1"] = std::to_string(sheet.dmgSensor1.value());
    values["dmgShoulder1"] = std::to_string(sheet.dmgShoulder1.value());
    values["dmgUpperAct1"] = std::to_string(sheet.dmgUpperAct1.value());
    values["dmgLowerAct1"] = std::to_string(sheet.dmgLowerAct1.value());
    values["dmgShoulder2"] = std::to_string(sheet.dmgShoulder2.value());
    values["dmgUpperAct2"] = std::to_string(sheet.dmgUpperAct2.value());
    values["dmgLowerAct2"] = std::to_string(sheet.dmgLowerAct2.value());
}

void recordTarget(const CombatSheet& sheet, Snapshot& values) {
    const OptionButton* moves[] = {&sheet.tMove0, &sheet.tMove1, &sheet.tMove2, &sheet.tMove3,
                                   &sheet.tMove4};
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        values["tMove" + std::to_string(i)] = flag(moves[i]->selected());
    }
    values["tJump0"] = std::to_string(sheet.tJump0.value());
    values["tPartial0"] = std::to_string(sheet.tPartial0.value());
    values["tProne0"] = std::to_string(sheet.tProne0.value());
    values["tAdjHex0"] = std::to_string(sheet.tAdjHex0.value());
    values["tImmobile0"] = std::to_string(sheet.tImmobile0.value());
    values["tOpenHex0"] = flag(sheet.tOpenHex0.selected());
    values["tLW0"] = flag(sheet.tLW0.selected());
    values["tHW0"] = flag(sheet.tHW0.selected());
    values["tWater0"] = flag(sheet.tWater0.selected());
    values["tFacing"] = sheet.tFacing.text();
    values["hexLW"] = sheet.hexLW.text();
    values["hexHW"] = sheet.hexHW.text();
}

void recordRows(const CombatSheet& sheet, Snapshot& values) {
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        values[indexed("weapName", row)] = sheet.weapName[row].text();
        values[indexed("weapLoc", row)] = sheet.weapLoc[row].text();
        values[indexed("minRange", row)] = sheet.minRange[row].text();
        values[indexed("sRange", row)] = sheet.sRange[row].text();
        values[indexed("mRange", row)] = sheet.mRange[row].text();
        values[indexed("lRange", row)] = sheet.lRange[row].text();
        values[indexed("Damage", row)] = sheet.Damage[row].text();
        values[indexed("toHit", row)] = sheet.toHit[row].text();
        values[indexed("fireCheck", row)] = std::to_string(sheet.fireCheck[row].value());
        values[indexed("weapHeat", row)] = std::to_string(sheet.weapHeat[row]);
    }
    values["Check1"] = std::to_string(sheet.Check1.value());
    values["Text12"] = sheet.Text12.text();
    values["Text13"] = sheet.Text13.text();
}

void recordSituation(const SituationModifiers& s, Snapshot& values) {
    const std::pair<const char*, std::int16_t> fields[] = {
        {"aMoveMod", s.aMoveMod},
        {"aProneMod", s.aProneMod},
        {"aWaterMod", s.aWaterMod},
        {"dmgSensorMod", s.dmgSensorMod},
        {"dmgShoulder1Mod", s.dmgShoulder1Mod},
        {"dmgUpperAct1Mod", s.dmgUpperAct1Mod},
        {"dmgLowerAct1Mod", s.dmgLowerAct1Mod},
        {"dmgShoulder2Mod", s.dmgShoulder2Mod},
        {"dmgUpperAct2Mod", s.dmgUpperAct2Mod},
        {"dmgLowerAct2Mod", s.dmgLowerAct2Mod},
        {"aHeatMod", s.aHeatMod},
        {"tMoveMod", s.tMoveMod},
        {"tJumpMod", s.tJumpMod},
        {"tHeavyWoodsMod", s.tHeavyWoodsMod},
        {"tLightWoodsMod", s.tLightWoodsMod},
        {"tImmobileMod", s.tImmobileMod},
        {"tPartialMod", s.tPartialMod},
        {"tProneMod", s.tProneMod},
        {"clusterMunitions", s.clusterMunitions},
        {"tWaterMod", s.tWaterMod},
    };
    for (const auto& [name, value] : fields) {
        values[std::string("situation.") + name] = std::to_string(value);
    }
}

void recordCalculation(const CalculationState& c, Snapshot& values) {
    for (std::size_t row = 0; row < c.weapArmMod.size(); ++row) {
        values[indexed("calculation.weapArmMod", row)] = std::to_string(c.weapArmMod[row]);
        values[indexed("calculation.weapRangeMod", row)] = std::to_string(c.weapRangeMod[row]);
    }
    values["calculation.clusterMod"] = std::to_string(c.clusterMod);
    values["calculation.pulseMod"] = std::to_string(c.pulseMod);
    values["calculation.heatTotal"] = std::to_string(c.heatTotal);
}

} // namespace

Snapshot snapshot(const CombatSheet& sheet) {
    Snapshot values;
    recordSetup(sheet, values);
    recordAttacker(sheet, values);
    recordTarget(sheet, values);
    recordRows(sheet, values);
    recordSituation(sheet.situation, values);
    recordCalculation(sheet.calculation, values);
    return values;
}

Snapshot without(Snapshot values, std::string_view prefix) {
    std::erase_if(values, [prefix](const auto& entry) { return entry.first.starts_with(prefix); });
    return values;
}

} // namespace declare_test
