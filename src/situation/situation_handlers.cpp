#include "situation/situation_handlers.h"

#include "app/combat_sheet.h"
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

constexpr OptionEffect OPTION_EFFECTS[] = {
    {&CombatSheet::aMove1, &SituationModifiers::aMoveMod, 0},
    {&CombatSheet::aMove2, &SituationModifiers::aMoveMod, 1},
    {&CombatSheet::aMove3, &SituationModifiers::aMoveMod, 2},
    {&CombatSheet::aMove4, &SituationModifiers::aMoveMod, 3},
    {&CombatSheet::aHeat0, &SituationModifiers::aHeatMod, 0},
    {&CombatSheet::aHeat1, &SituationModifiers::aHeatMod, 1},
    {&CombatSheet::aHeat2, &SituationModifiers::aHeatMod, 2},
    {&CombatSheet::aHeat3, &SituationModifiers::aHeatMod, 3},
    {&CombatSheet::aHeat4, &SituationModifiers::aHeatMod, 4},
    {&CombatSheet::tMove0, &SituationModifiers::tMoveMod, 0},
    {&CombatSheet::tMove1, &SituationModifiers::tMoveMod, 1},
    {&CombatSheet::tMove2, &SituationModifiers::tMoveMod, 2},
    {&CombatSheet::tMove3, &SituationModifiers::tMoveMod, 3},
    {&CombatSheet::tMove4, &SituationModifiers::tMoveMod, 4},
};

// A check box gives its field the "on" value while ticked or grayed, 0 while unticked.
struct BoxEffect {
    CheckBox CombatSheet::*box;
    Field field;
    std::int16_t onValue;
};

constexpr BoxEffect BOX_EFFECTS[] = {
    {&CombatSheet::aProne1, &SituationModifiers::aProneMod, 2},
    {&CombatSheet::aWater1, &SituationModifiers::aWaterMod, 1},
    {&CombatSheet::dmgSensor1, &SituationModifiers::dmgSensorMod, 2},
    {&CombatSheet::dmgUpperAct1, &SituationModifiers::dmgUpperAct1Mod, 1},
    {&CombatSheet::dmgLowerAct1, &SituationModifiers::dmgLowerAct1Mod, 1},
    {&CombatSheet::dmgUpperAct2, &SituationModifiers::dmgUpperAct2Mod, 1},
    {&CombatSheet::dmgLowerAct2, &SituationModifiers::dmgLowerAct2Mod, 1},
    {&CombatSheet::tJump0, &SituationModifiers::tJumpMod, 1},
    {&CombatSheet::tImmobile0, &SituationModifiers::tImmobileMod, -4},
    {&CombatSheet::tPartial0, &SituationModifiers::tPartialMod, 3},
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
    {&CombatSheet::tLW0, 1, 0, 0, false},
    {&CombatSheet::tHW0, 0, 2, 0, false},
    {&CombatSheet::tWater0, 0, 0, -1, true},
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
            const bool on = (sheet.*effect.box).value() != CheckBox::Unticked;
            sheet.situation.*effect.field = on ? effect.onValue : std::int16_t{0};
        });
    }
    // Only a plain tick means the LB-X guns fire cluster rounds; a grayed box is no choice.
    sheet.Check6.onClick([&sheet] {
        sheet.situation.clusterMunitions = sheet.Check6.value() == CheckBox::Ticked ? 1 : 0;
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
                sheet.tPartial0.setValue(CheckBox::Ticked);
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
    limitWoodsCount(sheet.hexLW, 3);
    limitWoodsCount(sheet.hexHW, 2);
}
