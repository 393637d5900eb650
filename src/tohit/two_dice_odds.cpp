#include "tohit/two_dice_odds.h"

#include "app/decimal_text.h"

#include <cmath>

namespace {

constexpr int DieFaces = 6;
// Below this every roll hits, above the other none can.
constexpr int LowestRoll = 2;
constexpr int HighestRoll = 12;

} // namespace

int outcomesAtLeast(double target) {
    const double needed = std::ceil(target);
    if (needed <= LowestRoll) {
        return DICE_OUTCOMES;
    }
    if (needed > HighestRoll) {
        return 0;
    }
    int count = 0;
    for (int first = 1; first <= DieFaces; ++first) {
        for (int second = 1; second <= DieFaces; ++second) {
            if (first + second >= needed) {
                ++count;
            }
        }
    }
    return count;
}

std::string chanceText(double target) {
    const int count = outcomesAtLeast(target);
    if (count == DICE_OUTCOMES || count == 0) {
        return percentText(count);
    }
    return std::to_string(count) + "/" + std::to_string(DICE_OUTCOMES) + " (" + percentText(count) +
           ")";
}

std::string percentText(int outcomes) {
    if (outcomes == DICE_OUTCOMES || outcomes == 0) {
        return std::to_string(outcomes * 100 / DICE_OUTCOMES) + "%";
    }
    return oneDecimal(outcomes * 100.0 / DICE_OUTCOMES) + "%";
}

std::string expectedDamageText(double target, double damage) {
    return expectedDamageText(outcomesAtLeast(target) * damage);
}

std::string expectedDamageText(double damageOverOutcomes) {
    // Multiplied before dividing, so that a true half (9/36 of 1 damage) stays exact and
    // rounds up rather than wherever the binary fraction happens to fall.
    const double tenths = std::round(damageOverOutcomes * 10.0 / DICE_OUTCOMES);
    return oneDecimal(tenths / 10.0);
}

std::string oneDecimal(double value) {
    double rounded = std::round(value * 10.0) / 10.0;
    if (rounded == 0.0) {
        rounded = 0.0; // never "-0.0"
    }
    return fixedDecimal(rounded, 1);
}
