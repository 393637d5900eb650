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
    {&CombatSheet::stationaryOption, &SituationModifiers::aMoveMod, AttackerMovementMods[0]},
    {&CombatSheet::walkedOption, &SituationModifiers::aMoveMod, AttackerMovementMods[1]},
    {&CombatSheet::ranOption, &SituationModifiers::aMoveMod, AttackerMovementMods[2]},
    {&CombatSheet::jumpedOption, &SituationModifiers::aMoveMod, AttackerMovementMods[3]},
    {&CombatSheet::heat0to7Option, &SituationModifiers::aHeatMod, HeatMods[0]},
    {&CombatSheet::heat8to12Option, &SituationModifiers::aHeatMod, HeatMods[1]},
    {&CombatSheet::heat13to16Option, &SituationModifiers::aHeatMod, HeatMods[2]},
    {&CombatSheet::heat17to23Option, &SituationModifiers::aHeatMod, HeatMods[3]},
    {&CombatSheet::heat24PlusOption, &SituationModifiers::aHeatMod, HeatMods[4]},
    {&CombatSheet::targetMoved0to2Option, &SituationModifiers::tMoveMod, TargetMovementMods[0]},
    {&CombatSheet::targetMoved3to4Option, &SituationModifiers::tMoveMod, TargetMovementMods[1]},
    {&CombatSheet::targetMoved5to6Option, &SituationModifiers::tMoveMod, TargetMovementMods[2]},
    {&CombatSheet::targetMoved7to9Option, &SituationModifiers::tMoveMod, TargetMovementMods[3]},
    {&CombatSheet::targetMoved10PlusOption, &SituationModifiers::tMoveMod, TargetMovementMods[4]},
};

// A check box gives its field the "on" value while ticked or grayed, 0 while unticked.
struct BoxEffect {
    CheckBox CombatSheet::*box;
    Field field;
    std::int16_t onValue;
};

constexpr BoxEffect BOX_EFFECTS[] = {
    {&CombatSheet::attackerProneBox, &SituationModifiers::aProneMod, rules::AttackerProneMod},
    {&CombatSheet::attackerWaterBox, &SituationModifiers::aWaterMod, rules::AttackerInWaterMod},
    {&CombatSheet::sensorsBox, &SituationModifiers::dmgSensorMod, rules::SensorHitMod},
    {&CombatSheet::rightUpperActuatorBox, &SituationModifiers::rightUpperActuatorMod,
     rules::ActuatorHitMod},
    {&CombatSheet::rightLowerActuatorBox, &SituationModifiers::rightLowerActuatorMod,
     rules::ActuatorHitMod},
    {&CombatSheet::leftUpperActuatorBox, &SituationModifiers::leftUpperActuatorMod,
     rules::ActuatorHitMod},
    {&CombatSheet::leftLowerActuatorBox, &SituationModifiers::leftLowerActuatorMod,
     rules::ActuatorHitMod},
    {&CombatSheet::targetJumpedBox, &SituationModifiers::tJumpMod, rules::TargetJumpedMod},
    {&CombatSheet::immobileBox, &SituationModifiers::tImmobileMod, rules::TargetImmobileMod},
    {&CombatSheet::partialCoverBox, &SituationModifiers::tPartialMod, rules::PartialCoverMod},
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
    {&CombatSheet::openHexOption, 0, 0, 0, false},
    {&CombatSheet::lightWoodsOption, rules::TargetInLightWoodsMod, 0, 0, false},
    {&CombatSheet::heavyWoodsOption, 0, rules::TargetInHeavyWoodsMod, 0, false},
    {&CombatSheet::targetWaterOption, 0, 0, rules::TargetInWaterMod, true},
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
                sheet.partialCoverBox.setValue(BoxState::Ticked);
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
