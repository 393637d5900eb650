#pragma once

// The attacker's two arms as the sheet shows their damage: where a weapon in the arm is
// mounted, what the arm is called, its three damage boxes and their modifiers. Arm 1 is the
// right arm, arm 2 the left.

#include "app/combat_sheet.h"

#include <array>
#include <cstdint>
#include <string_view>

struct ArmDamage {
    std::string_view location; // a weapon mounted here feels the arm's damage
    std::string_view label;    // "Right arm"
    CheckBox CombatSheet::*shoulder;
    CheckBox CombatSheet::*upperActuator;
    CheckBox CombatSheet::*lowerActuator;
    std::int16_t SituationModifiers::*shoulderMod;
    std::int16_t SituationModifiers::*upperActuatorMod;
    std::int16_t SituationModifiers::*lowerActuatorMod;
};

inline constexpr std::array<ArmDamage, 2> ARMS = {{
    {RightArm, "Right arm", &CombatSheet::rightShoulderBox, &CombatSheet::rightUpperActuatorBox,
     &CombatSheet::rightLowerActuatorBox, &SituationModifiers::rightShoulderMod,
     &SituationModifiers::rightUpperActuatorMod, &SituationModifiers::rightLowerActuatorMod},
    {LeftArm, "Left arm", &CombatSheet::leftShoulderBox, &CombatSheet::leftUpperActuatorBox,
     &CombatSheet::leftLowerActuatorBox, &SituationModifiers::leftShoulderMod,
     &SituationModifiers::leftUpperActuatorMod, &SituationModifiers::leftLowerActuatorMod},
}};
