#pragma once

#include <array>
#include <cstdint>

// The working values of the last calculation, kept by the window and read by nothing else.
struct CalculationState {
    std::array<std::int16_t, 12> weapArmMod{};
    std::array<std::int16_t, 12> weapRangeMod{};
    std::int16_t clusterMod = 0;
    std::int16_t pulseMod = 0;
    std::int16_t heatTotal = 0;
};
