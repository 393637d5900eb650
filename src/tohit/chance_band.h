#pragma once

// The chance of a to-hit number on two dice, told in a few bands that a chart can colour at a
// glance, each with what its legend says.

#include <array>
#include <string>

enum class ChanceBand { Always, Likely, Even, Unlikely, Remote, Never };

inline constexpr std::array<ChanceBand, 6> CHANCE_BANDS = {
    ChanceBand::Always,   ChanceBand::Likely, ChanceBand::Even,
    ChanceBand::Unlikely, ChanceBand::Remote, ChanceBand::Never,
};

// The band of a to-hit number by the outcomes of two dice that reach it: 2 or less always
// hits, 13 or more never does.
ChanceBand chanceBand(double toHit);

// What the legend says of the band, with its numbers and chances:
// "Likely: 3 to 6 (72.2% to 97.2%)".
std::string chanceBandLabel(ChanceBand band);
