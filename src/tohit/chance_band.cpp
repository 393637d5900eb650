#include "tohit/chance_band.h"

#include "tohit/two_dice_odds.h"

#include <cstddef>

namespace {

struct Band {
    ChanceBand band;
    int fewestOutcomes; // of the 36; a number reaching fewer falls into a later band
    const char* name;
};

// Split where a player's choice changes: a sure shot, a good one, a coin toss, a long shot,
// a prayer and a waste of heat. In the order of ChanceBand.
constexpr Band BANDS[] = {
    {ChanceBand::Always, DICE_OUTCOMES, "Always hits"},
    {ChanceBand::Likely, 26, "Likely"},
    {ChanceBand::Even, 15, "About even"},
    {ChanceBand::Unlikely, 6, "Unlikely"},
    {ChanceBand::Remote, 1, "Remote"},
    {ChanceBand::Never, 0, "Never hits"},
};

const Band& bandOf(ChanceBand band) {
    return BANDS[static_cast<std::size_t>(band)];
}

// The whole numbers that the dice can tell apart: below 2 all hit as 2 does, above 12 none.
constexpr int LowestNumber = 2;
constexpr int HighestNumber = 13;

std::string numbersText(int lowest, int highest) {
    if (highest == LowestNumber) {
        return std::to_string(highest) + " or less";
    }
    if (lowest == HighestNumber) {
        return std::to_string(lowest) + " or more";
    }
    return std::to_string(lowest) + " to " + std::to_string(highest);
}

} // namespace

ChanceBand chanceBand(double toHit) {
    const int outcomes = outcomesAtLeast(toHit);
    for (const Band& entry : BANDS) {
        if (outcomes >= entry.fewestOutcomes) {
            return entry.band;
        }
    }
    return ChanceBand::Never;
}

// A band's numbers follow one another: the chance only falls as the number rises.
std::string chanceBandLabel(ChanceBand band) {
    int lowest = LowestNumber;
    while (chanceBand(lowest) != band) {
        ++lowest;
    }
    int highest = lowest;
    while (highest < HighestNumber && chanceBand(highest + 1) == band) {
        ++highest;
    }
    const std::string most = percentText(outcomesAtLeast(lowest));
    const std::string least = percentText(outcomesAtLeast(highest));
    return std::string(bandOf(band).name) + ": " + numbersText(lowest, highest) + " (" +
           (most == least ? most : least + " to " + most) + ")";
}
