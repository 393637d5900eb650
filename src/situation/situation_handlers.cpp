#include "situation/situation_handlers.h"

#include "app/combat_sheet.h"
#include "app/rules.h"
#include "situation/range_rules.h"
#include "situation/shoulder_rule.h"
#include "situation/woods_limit.h"

#include <cstdint>

namespace {

using Field = std::int16_t SituationModifiers::*;

// An option button sets its field whenever it becomes selected.
struct OptionEffect {
    OptionButton CombatSheet::*button;
    Field field;
    std::int16_t value;
};

using rules::AttackerMovementMods, rules::HeatMods, rules::TargetMovementMods;

constexpr OptionEffect OPTION_EFFECTS[] = {
    {&CombatSheet::aMove1, &SituationModifiers::aMoveMod, AttackerMovementMods[0]},
    {&CombatSheet::aMove2, &SituationModifiers::aMoveMod, AttackerMovementMods[1]},
    {&CombatSheet::aMove3, &SituationModifiers::aMoveMod, AttackerMovementMods[2]},
    {&CombatSheet::aMove4, &SituationModifiers::aMoveMod, AttackerMovementMods[3]},
    {&CombatSheet::aHeat0, &SituationModifiers::aHeatMod, HeatMods[0]},
    {&CombatSheet::aHeat1, &SituationModifiers::aHeatMod, HeatMods[1]},
    {&CombatSheet::aHeat2, &SituationModifiers::aHeatMod, HeatMods[2]},
    {&CombatSheet::aHeat3, &SituationModifiers::aHeatMod, HeatMods[3]},
    {&CombatSheet::aHeat4, &SituationModifiers::aHeatMod, HeatMods[4]},
    {&CombatSheet::tMove0, &SituationModifiers::tMoveMod, TargetMovementMods[0]},
    {&CombatSheet::tMove1, &SituationModifiers::tMoveMod, TargetMovementMods[1]},
    {&CombatSheet::tMove2, &SituationModifiers::tMoveMod, TargetMovementMods[2]},
    {&CombatSheet::tMove3, &SituationModifiers::tMoveMod, TargetMovementMods[3]},
    {&CombatSheet::tMove4, &SituationModifiers::tMoveMod, TargetMovementMods[4]},
};

// A check box gives its field the "on" value while ticked or grayed, 0 while unticked.
struct BoxEffect {
    CheckBox CombatSheet::*box;
    Field field;
    std::int16_t onValue;
};

constexpr BoxEffect BOX_EFFECTS[] = {
    {&CombatSheet::aProne1, &SituationModifiers::aProneMod, rules::AttackerProneMod},
    {&CombatSheet::aWater1, &SituationModifiers::aWaterMod, rules::AttackerInWaterMod},
    {&CombatSheet::dmgSensor1, &SituationModifiers::dmgSensorMod, rules::SensorHitMod},
    {&CombatSheet::dmgUpperAct1, &SituationModifiers::dmgUpperAct1Mod, rules::ActuatorHitMod},
    {&CombatSheet::dmgLowerAct1, &SituationModifiers::dmgLowerAct1Mod, rules::ActuatorHitMod},
    {&CombatSheet::dmgUpperAct2, &SituationModifiers::dmgUpperAct2Mod, rules::ActuatorHitMod},
    {&CombatSheet::dmgLowerAct2, &SituationModifiers::dmgLowerAct2Mod, rules::ActuatorHitMod},
    {&CombatSheet::tJump0, &SituationModifiers::tJumpMod, rules::TargetJumpedMod},
    {&CombatSheet::tImmobile0, &SituationModifiers::tImmobileMod, rules::TargetImmobileMod},
    {&CombatSheet::tPartial0, &SituationModifiers::tPartialMod, rules::PartialCoverMod},
};

// Where the target stands: the light woods, heavy woods and water modifiers together.
struct PositionEffect {
    OptionButton CombatSheet::*button;
    std::int16_t lightWoods;
    std::int16_t heavyWoods;
    std::int16_t water;
    bool cover; // ticks "Partial Cover"
};

constexpr PositionEffect POSITION_EFFECTS[] = {
    {&CombatSheet::tOpenHex0, 0, 0, 0, false},
    {&CombatSheet::tLW0, rules::TargetInLightWoodsMod, 0, 0, false},
    {&CombatSheet::tHW0, 0, rules::TargetInHeavyWoodsMod, 0, false},
    {&CombatSheet::tWater0, 0, 0, rules::TargetInWaterMod, true},
};

void setPosition(SituationModifiers& situation, const PositionEffect& effect) {
    situation.tLightWoodsMod = effect.lightWoods;
    situation.tHeavyWoodsMod = effect.heavyWoods;
    situation.tWaterMod = effect.water;
}

void wireOptions(CombatSheet& sheet) {
    for (const OptionEffect& effect : OPTION_EFFECTS) {
        (sheet.*effect.button).onClick([&sheet, effect] {
            sheet.situation.*effect.field = effect.value;
        });
    }
}

void wireBoxes(CombatSheet& sheet) {
    for (const BoxEffect& effect : BOX_EFFECTS) {
        (sheet.*effect.box).onClick([&sheet, effect] {
            const bool on = (sheet.*effect.box).value() != BoxState::Unticked;
            sheet.situation.*effect.field = on ? effect.onValue : std::int16_t{0};
        });
    }
    // Only a plain tick means the LB-X guns fire cluster rounds; a grayed box is no choice.
    sheet.clusterMunitionsBox.onClick([&sheet] {
        sheet.situation.clusterMunitions = sheet.clusterMunitionsBox.value() == BoxState::Ticked;
    });
}

// A target standing in level-1 water is partly covered by it, so water ticks "Partial
// Cover" (whose own handler sets its modifier). Leaving the water keeps the cover: the box
// stays ticked until the user unticks it.
void wireTargetPosition(CombatSheet& sheet) {
    for (const PositionEffect& effect : POSITION_EFFECTS) {
        (sheet.*effect.button).onClick([&sheet, effect] {
            if (!(sheet.*effect.button).selected()) {
                return;
            }
            setPosition(sheet.situation, effect);
            if (effect.cover) {
                sheet.tPartial0.setValue(BoxState::Ticked);
            }
        });
    }
}

} // namespace

void wireSituationHandlers(CombatSheet& sheet) {
    wireOptions(sheet);
    wireBoxes(sheet);
    wireTargetPosition(sheet);
    wireShoulderRule(sheet);
    wireRangeRules(sheet);
    limitWoodsCount(sheet.hexLW, rules::LightWoodsLimit);
    limitWoodsCount(sheet.hexHW, rules::HeavyWoodsLimit);
}
