#pragma once

#include "app/row_array.h"

#include <cstdint>

// The working values of the last calculation, kept by the window and read by nothing else.
struct CalculationState {
    RowArray<std::int16_t> weapArmMod{};
    RowArray<std::int16_t> weapRangeMod{};
    std::int16_t clusterMod = 0;
    std::int16_t pulseMod = 0;
    std::int16_t heatTotal = 0;
};
