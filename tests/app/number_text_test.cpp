#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace {

// Only plain decimals are numbers: no locale commas, exponents, hex, words or stray characters;
// numbers beyond a double stay numbers.
TEST(ReadNumber, ReadsOnlyPlainDecimals) {
    const std::string huge(400, '9');
    // clang-format off
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"0", 0.0}, {"3", 3.0}, {"-2", -2.0}, {"+7", 7.0}, {"  12\t", 12.0}, {"2.5", 2.5},
        {".5", 0.5}, {"5.", 5.0}, {"007", 7.0}, {huge, HUGE_VAL}, {"-" + huge, -HUGE_VAL},
        {"0." + std::string(400, '0') + "1", 0.0}, {"", {}}, {"   ", {}}, {"-", {}}, {".", {}},
        {"1,5", {}}, {"1e3", {}}, {"0x10", {}}, {"1 2", {}}, {"--1", {}}, {"1.2.3", {}},
        {"inf", {}}, {"nan", {}}, {"\xc2\xbd", {}}, {"3a", {}}};
    // clang-format on
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(readNumber(text), expected) << '"' << text << '"';
    }
}

// Whole numbers plain, fractions as the shortest text that reads back to the same value.
TEST(NumberText, WritesWholeNumbersPlainAndFractionsShortest) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {{0.0, "0"}, {-0.0, "0"}, {9.0, "9"},
        {-4.0, "-4"}, {13.0, "13"}, {9.5, "9.5"}, {-32768.0, "-32768"},
        {0.1 + 0.2, "0.30000000000000004"}};
    // clang-format on
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberText(value), text) << value;
    }
    for (double value : {9.5, 0.1, 1.0 / 3.0, -2.75, 12345.678}) {
        EXPECT_EQ(readNumber(numberText(value)), value) << numberText(value);
    }
}

} // namespace
