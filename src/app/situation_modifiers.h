#pragma once

#include <cstdint>

// The window's to-hit modifiers for the attack situation, written only by the situation
// handlers and read by Calculate. All 0 when a window opens.
struct SituationModifiers {
    std::int16_t aMoveMod = 0;
    std::int16_t aProneMod = 0;
    std::int16_t aWaterMod = 0;
    std::int16_t dmgSensorMod = 0;
    std::int16_t dmgShoulder1Mod = 0;
    std::int16_t dmgUpperAct1Mod = 0;
    std::int16_t dmgLowerAct1Mod = 0;
    std::int16_t dmgShoulder2Mod = 0;
    std::int16_t dmgUpperAct2Mod = 0;
    std::int16_t dmgLowerAct2Mod = 0;
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
