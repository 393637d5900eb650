#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The window's to-hit modifiers for the attack situation, written only by the situation
// handlers and read by Calculate. All 0 when a window opens.
struct SituationModifiers {
    std::int16_t aMoveMod = 0;
    std::int16_t aProneMod = 0;
    std::int16_t aWaterMod = 0;
    std::int16_t dmgSensorMod = 0;
    std::int16_t rightShoulderMod = 0;
    std::int16_t rightUpperActuatorMod = 0;
    std::int16_t rightLowerActuatorMod = 0;
    std::int16_t leftShoulderMod = 0;
    std::int16_t leftUpperActuatorMod = 0;
    std::int16_t leftLowerActuatorMod = 0;
    std::int16_t aHeatMod = 0;
    std::int16_t tMoveMod = 0;
    std::int16_t tJumpMod = 0;
    std::int16_t tHeavyWoodsMod = 0;
    std::int16_t tLightWoodsMod = 0;
    std::int16_t tImmobileMod = 0;
    std::int16_t tPartialMod = 0;
    std::int16_t tProneMod = 0;
    std::int16_t clusterMunitions = 0; // a flag, not a modifier
    std::int16_t tWaterMod = 0;

    bool operator==(const SituationModifiers&) const = default;
};

struct ModifierField {
    std::string_view name;
    std::int16_t SituationModifiers::*field;
};

// Every field by its name, in the order of the fields, for whatever walks them all.
inline constexpr std::array<ModifierField, 20> MODIFIER_FIELDS = {{
    {"aMoveMod", &SituationModifiers::aMoveMod},
    {"aProneMod", &SituationModifiers::aProneMod},
    {"aWaterMod", &SituationModifiers::aWaterMod},
    {"dmgSensorMod", &SituationModifiers::dmgSensorMod},
    {"rightShoulderMod", &SituationModifiers::rightShoulderMod},
    {"rightUpperActuatorMod", &SituationModifiers::rightUpperActuatorMod},
    {"rightLowerActuatorMod", &SituationModifiers::rightLowerActuatorMod},
    {"leftShoulderMod", &SituationModifiers::leftShoulderMod},
    {"leftUpperActuatorMod", &SituationModifiers::leftUpperActuatorMod},
    {"leftLowerActuatorMod", &SituationModifiers::leftLowerActuatorMod},
    {"aHeatMod", &SituationModifiers::aHeatMod},
    {"tMoveMod", &SituationModifiers::tMoveMod},
    {"tJumpMod", &SituationModifiers::tJumpMod},
    {"tHeavyWoodsMod", &SituationModifiers::tHeavyWoodsMod},
    {"tLightWoodsMod", &SituationModifiers::tLightWoodsMod},
    {"tImmobileMod", &SituationModifiers::tImmobileMod},
    {"tPartialMod", &SituationModifiers::tPartialMod},
    {"tProneMod", &SituationModifiers::tProneMod},
    {"clusterMunitions", &SituationModifiers::clusterMunitions},
    {"tWaterMod", &SituationModifiers::tWaterMod},
}};
static_assert(sizeof(SituationModifiers) == MODIFIER_FIELDS.size() * sizeof(std::int16_t),
              "every field of SituationModifiers is in MODIFIER_FIELDS");
