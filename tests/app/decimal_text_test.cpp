// Doubles to decimal text and back. The conversions in use (the C++ library's or the portable
// ones, whichever the build found) are checked against known texts and read back on many
// doubles; where the library converts doubles, the portable conversions are also compared with
// it, text for text and bit for bit.

#include "app/decimal_text.h"
#include "app/portable_decimal_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <ios>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// (The libc++ of the WebAssembly build has no std::bit_cast.)
template <typename To, typename From> To bitCast(From from) {
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

// Doubles that each take another path through a conversion: random bit patterns (huge, tiny,
// infinite and not a number among them), halves and other short binary fractions, powers of
// ten and of two with their neighbours, subnormals.
std::vector<double> manyDoubles(int randomCount) {
    std::mt19937_64 random(20260);
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    std::vector<double> values{0.0,          -0.0,     DBL_MAX,   DBL_MIN,
                               DBL_TRUE_MIN, Infinity, -Infinity, notANumber};
    for (int i = 0; i < randomCount; ++i) {
        values.push_back(bitCast<double>(random()));
        values.push_back(bitCast<double>(random() >> 12)); // subnormal
        const double halves = static_cast<double>(random() % 4096) + 0.5;
        values.push_back(std::ldexp(halves, static_cast<int>(random() % 64) - 32));
    }
    for (int power = -1074; power <= 1023; ++power) {
        const double two = std::ldexp(1.0, power);
        values.insert(values.end(), {two, std::nextafter(two, 0.0), std::nextafter(two, Infinity)});
    }
    for (int power = -324; power <= 308; ++power) {
        const double ten = std::strtod(("1e" + std::to_string(power)).c_str(), nullptr);
        values.insert(values.end(),
                      {ten, -std::nextafter(ten, 0.0), std::nextafter(ten, Infinity)});
    }
    return values;
}

// The shortest text (no places given), or the text rounded to the places given.
TEST(DecimalText, TextsOfDoubles) {
    constexpr int Shortest = -1;
    // clang-format off
    const std::tuple<const char*, double, int, std::string> cases[] = {
        {"Half", 9.5, Shortest, "9.5"}, {"NegativeThousandth", -0.001, Shortest, "-0.001"},
        {"SumOfTenthsNeedsSeventeenDigits", 0.1 + 0.2, Shortest, "0.30000000000000004"},
        {"WholeNumberWithAllItsDigits", 1e23, Shortest, "99999999999999991611392"},
        {"TieBetweenTwoShortestGoesToEven", 0x1.0000000000001p+50, Shortest, "1125899906842624.2"},
        {"TieUpToEven", 0x1.0000000000003p+50, Shortest, "1125899906842624.8"},
        {"PowerOfTwoNearestBelowReadsAsItsNeighbour", 0x1p-140, Shortest,
         "0." + std::string(42, '0') + "7174648137343064"},
        {"SmallestSubnormal", DBL_TRUE_MIN, Shortest, "0." + std::string(323, '0') + "5"},
        {"SubnormalOfThreeDigits", 0x0.000000000001fp-1022, Shortest,
         "0." + std::string(321, '0') + "153"},
        {"SmallestNormal", DBL_MIN, Shortest, "0." + std::string(307, '0') + "22250738585072014"},
        {"ExactQuarterTiesToEvenDown", 0.25, 1, "0.2"}, {"NegativeQuarter", -0.25, 1, "-0.2"},
        {"ExactTieToEvenUp", 0.75, 1, "0.8"},
        {"ThirtyFiveHundredthsLiesBelowItsTie", 0.35, 1, "0.3"},
        {"FiveHundredthsLiesAboveItsTie", 0.05, 1, "0.1"},
        {"CarryIntoTheWholeNumber", 9.96, 1, "10.0"}, {"NegativeZeroKeepsItsSign", -0.0, 1, "-0.0"},
        {"HugeKeepsEveryDigit", 1e22, 1, "10000000000000000000000.0"},
        {"NoPlacesTieToEven", 2.5, 0, "2"}, {"NoPlacesRoundsUp", 3.5, 0, "4"},
        {"ThreePlaces", 2.0 / 3.0, 3, "0.667"},
    };
    // clang-format on
    for (const auto& [name, value, decimals, text] : cases) {
        EXPECT_EQ(decimals == Shortest ? shortestDecimal(value) : fixedDecimal(value, decimals),
                  text)
            << name;
    }
}

TEST(DecimalText, ValuesOfTexts) {
    // clang-format off
    const std::tuple<const char*, std::string, double> cases[] = {
        {"NoWholeDigits", ".5", 0.5}, {"NoPlaces", "5.", 5.0},
        {"BeyondTheLargestIsInfinite", "1" + std::string(400, '0'), Infinity},
        {"BelowTheSmallestIsZero", "0." + std::string(400, '0') + "1", 0.0},
        {"TieToEvenBelow", "9007199254740993", 9007199254740992.0},
        {"JustAboveATieFarOut", "9007199254740993." + std::string(300, '0') + "1",
         9007199254740994.0},
    };
    // clang-format on
    for (const auto& [name, text, value] : cases) {
        EXPECT_EQ(decimalValue(text), value) << name;
    }
}

// Each shortest text, in fixed notation however far its digits lie from the point, reads back
// to its double.
TEST(DecimalText, ShortestTextReadsBack) {
    for (double value : manyDoubles(2000)) {
        if (std::isfinite(value)) {
            EXPECT_EQ(decimalValue(shortestDecimal(std::fabs(value))), std::fabs(value))
                << std::hexfloat << value;
        }
    }
}

#ifdef VEXOLAN_HAS_FLOAT_CHARCONV
// The portable conversions give what the C++ library gives, on every kind of double.
TEST(DecimalText, PortableConversionsAgreeWithTheLibrary) {
    std::mt19937_64 random(11);
    for (double value : manyDoubles(20000)) {
        const std::string text = shortestDecimal(value);
        EXPECT_EQ(portable::shortestDecimal(value), text) << std::hexfloat << value;
        for (int decimals : {0, 1}) {
            EXPECT_EQ(portable::fixedDecimal(value, decimals), fixedDecimal(value, decimals))
                << std::hexfloat << value;
        }
        const std::size_t digits = text.find_first_of("0123456789");
        if (std::isfinite(value) && digits != std::string::npos) {
            const std::string unsignedText = text.substr(digits);
            EXPECT_EQ(bitCast<std::uint64_t>(portable::decimalValue(unsignedText)),
                      bitCast<std::uint64_t>(decimalValue(unsignedText)))
                << unsignedText;
        }
    }
    // Random digits with the point anywhere, some far longer than a double holds.
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const std::size_t length = 1 + random() % (i % 10 == 0 ? 800 : 30);
        for (std::size_t d = 0; d < length; ++d) {
            text += static_cast<char>('0' + random() % 10);
        }
        text.insert(random() % (length + 1), ".");
        EXPECT_EQ(bitCast<std::uint64_t>(portable::decimalValue(text)),
                  bitCast<std::uint64_t>(decimalValue(text)))
            << text;
    }
}
#endif

// A text is read to its own end, never on into the digits that follow it in memory.
TEST(DecimalText, ValueReadsNoDigitBeyondItsText) {
    const std::string_view digits = "2.75";
    EXPECT_EQ(decimalValue(digits.substr(0, 3)), 2.7);
    EXPECT_EQ(portable::decimalValue(digits.substr(0, 3)), 2.7);
}

} // namespace
