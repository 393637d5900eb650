#include "situation/shoulder_rule.h"

#include "app/arm_damage.h"
#include "app/rules.h"

namespace {

// The actuator boxes are set through the controls so that their own handlers run (and set
// their fields) before this goes on; the shoulder then clears the actuator fields last, so
// that a hit shoulder is not counted together with the actuators it makes meaningless.
void applyShoulderRule(CombatSheet& sheet, const ArmDamage& arm) {
    SituationModifiers& situation = sheet.situation;
    if ((sheet.*arm.shoulder).value() == BoxState::Unticked) {
        situation.*arm.shoulderMod = 0;
        (sheet.*arm.upperActuator).setValue(BoxState::Unticked);
        (sheet.*arm.lowerActuator).setValue(BoxState::Unticked);
        return;
    }
    situation.*arm.shoulderMod = rules::ShoulderHitMod;
    (sheet.*arm.upperActuator).setValue(BoxState::Grayed);
    (sheet.*arm.lowerActuator).setValue(BoxState::Grayed);
    situation.*arm.upperActuatorMod = 0;
    situation.*arm.lowerActuatorMod = 0;
}

} // namespace

void wireShoulderRule(CombatSheet& sheet) {
    for (const ArmDamage& arm : ARMS) {
        (sheet.*arm.shoulder).onClick([&sheet, &arm] { applyShoulderRule(sheet, arm); });
    }
}
