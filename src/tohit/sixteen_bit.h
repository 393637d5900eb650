#pragma once

#include <cstdint>
#include <optional>

// A number taken into one of the sheet's 16-bit values: rounded to the nearest whole
// number, a half to the even neighbour ("2.5" gives 2, "3.5" gives 4). None when the
// rounded number lies outside -32768..32767 or the number is not finite.
std::optional<std::int16_t> toSixteenBit(double value);
