#include "situation/shoulder_rule.h"

#include "app/combat_sheet.h"

#include <cstdint>

namespace {

using Field = std::int16_t SituationModifiers::*;

struct Arm {
    CheckBox CombatSheet::*shoulder;
    CheckBox CombatSheet::*upper;
    CheckBox CombatSheet::*lower;
    Field shoulderMod;
    Field upperMod;
    Field lowerMod;
};

// Arm 1 is the right arm, arm 2 the left.
constexpr Arm ARMS[] = {
    {&CombatSheet::dmgShoulder1, &CombatSheet::dmgUpperAct1, &CombatSheet::dmgLowerAct1,
     &SituationModifiers::dmgShoulder1Mod, &SituationModifiers::dmgUpperAct1Mod,
     &SituationModifiers::dmgLowerAct1Mod},
    {&CombatSheet::dmgShoulder2, &CombatSheet::dmgUpperAct2, &CombatSheet::dmgLowerAct2,
     &SituationModifiers::dmgShoulder2Mod, &SituationModifiers::dmgUpperAct2Mod,
     &SituationModifiers::dmgLowerAct2Mod},
};

// The actuator boxes are set through the controls so that their own handlers run (and set
// their fields) before this goes on; the shoulder then clears the actuator fields last, so
// that a hit shoulder is not counted together with the actuators it makes meaningless.
void applyShoulderRule(CombatSheet& sheet, const Arm& arm) {
    SituationModifiers& situation = sheet.situation;
    if ((sheet.*arm.shoulder).value() == CheckBox::Unticked) {
        situation.*arm.shoulderMod = 0;
        (sheet.*arm.upper).setValue(CheckBox::Unticked);
        (sheet.*arm.lower).setValue(CheckBox::Unticked);
        return;
    }
    situation.*arm.shoulderMod = 4;
    (sheet.*arm.upper).setValue(CheckBox::Grayed);
    (sheet.*arm.lower).setValue(CheckBox::Grayed);
    situation.*arm.upperMod = 0;
    situation.*arm.lowerMod = 0;
}

} // namespace

void wireShoulderRule(CombatSheet& sheet) {
    for (const Arm& arm : ARMS) {
        (sheet.*arm.shoulder).onClick([&sheet, arm] { applyShoulderRule(sheet, arm); });
    }
}
