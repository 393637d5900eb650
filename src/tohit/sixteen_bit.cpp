#include "tohit/sixteen_bit.h"

#include <cmath>
#include <limits>

namespace {

// Explicit, so that the result never depends on the floating-point rounding mode.
double roundHalfToEven(double value) {
    double below = std::floor(value);
    double fraction = value - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

std::optional<std::int16_t> toSixteenBit(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double rounded = roundHalfToEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}
