#include "app/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* text;
    std::optional<double> expected;
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsOnlyPlainDecimals) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(readNumber(c.text), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumber,
    testing::Values(ReadCase{"0", 0.0}, ReadCase{"3", 3.0}, ReadCase{"-2", -2.0},
                    ReadCase{"+7", 7.0}, ReadCase{"  12\t", 12.0}, ReadCase{"2.5", 2.5},
                    ReadCase{".5", 0.5}, ReadCase{"5.", 5.0}, ReadCase{"007", 7.0},
                    ReadCase{"", std::nullopt}, ReadCase{"   ", std::nullopt},
                    ReadCase{"-", std::nullopt}, ReadCase{".", std::nullopt},
                    ReadCase{"1,5", std::nullopt}, ReadCase{"1e3", std::nullopt},
                    ReadCase{"0x10", std::nullopt}, ReadCase{"1 2", std::nullopt},
                    ReadCase{"--1", std::nullopt}, ReadCase{"1.2.3", std::nullopt},
                    ReadCase{"inf", std::nullopt}, ReadCase{"nan", std::nullopt},
                    ReadCase{"\xc2\xbd", std::nullopt}, ReadCase{"3a", std::nullopt}));

TEST(ReadNumber, NumbersBeyondDoubleStayNumbers) {
    std::string huge(400, '9');
    EXPECT_EQ(readNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
}

struct TextCase {
    double value;
    const char* text;
};

class NumberText : public testing::TestWithParam<TextCase> {};

TEST_P(NumberText, WritesWholeNumbersPlainAndFractionsShortest) {
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberText,
                         testing::Values(TextCase{0.0, "0"}, TextCase{-0.0, "0"},
                                         TextCase{9.0, "9"}, TextCase{-4.0, "-4"},
                                         TextCase{13.0, "13"}, TextCase{9.5, "9.5"},
                                         TextCase{0.1 + 0.2, "0.30000000000000004"},
                                         TextCase{-32768.0, "-32768"}));

TEST(NumberText, FractionsReadBack) {
    for (double value : {9.5, 0.1, 1.0 / 3.0, -2.75, 12345.678}) {
        EXPECT_EQ(readNumber(numberText(value)), value) << numberText(value);
    }
}

} // namespace
