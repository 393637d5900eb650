#include "tohit/sixteen_bit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

namespace {

struct Case {
    double value;
    std::optional<std::int16_t> expected;
};

class ToSixteenBit : public testing::TestWithParam<Case> {};

TEST_P(ToSixteenBit, RoundsHalfToEvenWithinTheSixteenBitRange) {
    EXPECT_EQ(toSixteenBit(GetParam().value), GetParam().expected) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToSixteenBit,
    testing::Values(Case{0.0, 0}, Case{4.0, 4}, Case{-3.0, -3}, Case{2.5, 2}, Case{3.5, 4},
                    Case{-2.5, -2}, Case{-3.5, -4}, Case{0.5, 0}, Case{-0.5, 0}, Case{2.4999, 2},
                    Case{2.5001, 3}, Case{32767.0, 32767}, Case{32767.4, 32767},
                    Case{32767.5, std::nullopt}, Case{32768.0, std::nullopt},
                    Case{-32768.0, -32768}, Case{-32768.5, -32768}, Case{-32768.6, std::nullopt},
                    Case{-32769.0, std::nullopt}, Case{1e300, std::nullopt},
                    Case{std::numeric_limits<double>::infinity(), std::nullopt},
                    Case{-std::numeric_limits<double>::infinity(), std::nullopt},
                    Case{std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

} // namespace
