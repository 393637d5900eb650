#include "tohit/to_hit_calculation.h"

#include "tohit/calculate_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A text that cannot be read or a value that overflows stops the whole calculation with
// one message; the sheet keeps every result of the last complete calculation.
struct FaultCase {
    const char* label;
    std::function<void(CombatSheet&)> spoil;
    std::string message;
};

class CalculationFault : public CalculateFixture, public testing::TestWithParam<FaultCase> {
protected:
    // Rows 1, 3 and 9 hold weapons, rows 1 and 9 are ticked, and all have results.
    void calculateOnce() {
        chooseSkill(4);
        setRange(3);
        placeWeapon(0, "MLaser", "RA");
        placeWeapon(2, "LRM20");
        placeWeapon(8, "PPC");
        sheet.fireCheck[0].userClick();
        sheet.fireCheck[8].userClick();
        calculate();
        ASSERT_TRUE(fake.messageBox.shown.empty());
        ASSERT_EQ(sheet.toHit[0].text(), "4");
        ASSERT_EQ(sheet.toHit[2].text(), "8");
        ASSERT_EQ(sheet.toHit[8].text(), "5");
        ASSERT_EQ(sheet.Text12.text(), "13");
    }
};

TEST_P(CalculationFault, ShowsOneMessageAndLeavesEveryResultAsItWas) {
    calculateOnce();
    sheet.toHit[5].setText("stale"); // a row without weapon that a calculation would empty
    // A new range would change every result that a calculation writes.
    setRange(5);
    auto before = results();
    CalculationState stateBefore = sheet.calculation;

    GetParam().spoil(sheet);
    calculate();

    EXPECT_EQ(fake.messageBox.shown, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(results(), before);
    EXPECT_EQ(sheet.Text12.text(), "13");
    EXPECT_EQ(sheet.calculation.weapRangeMod, stateBefore.weapRangeMod);
    EXPECT_EQ(sheet.calculation.heatTotal, stateBefore.heatTotal);
}

std::string huge(const char* sign) {
    return sign + std::string(400, '9');
}

// Detaches the woods boxes' own handler, which keeps their counts small.
void withoutWoodsLimit(CombatSheet& sheet) {
    sheet.hexLW.onChange({});
    sheet.hexHW.onChange({});
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CalculationFault,
    testing::Values(FaultCase{"EmptiedLightWoods", [](CombatSheet& s) { s.hexLW.userType(""); },
                              "Light Woods must be a number."},
                    FaultCase{"WordInLightWoods", [](CombatSheet& s) { s.hexLW.userType("two"); },
                              "Light Woods must be a number."},
                    FaultCase{"CommaInHeavyWoods", [](CombatSheet& s) { s.hexHW.userType("1,5"); },
                              "Heavy Woods must be a number."},
                    // The woods limit sets such counts back to "0"; Calculate must not rely on it.
                    FaultCase{"EndlessHeavyWoods",
                              [](CombatSheet& s) {
                                  withoutWoodsLimit(s);
                                  s.hexHW.userType(huge("-"));
                              },
                              "Heavy Woods is too large."},
                    FaultCase{"WoodsTooManyToAdd",
                              [](CombatSheet& s) {
                                  withoutWoodsLimit(s);
                                  std::string big = "-1" + std::string(308, '0');
                                  s.hexLW.userType(big);
                                  s.hexHW.userType(big);
                              },
                              "Row 1, To-Hit is too large to show."},
                    FaultCase{"WordInMed", [](CombatSheet& s) { s.mRange[2].userType("x"); },
                              "Row 3, Med must be a number."},
                    FaultCase{"EmptiedShort", [](CombatSheet& s) { s.sRange[2].userType(""); },
                              "Row 3, Short must be a number."},
                    FaultCase{"WordInMin", [](CombatSheet& s) { s.minRange[2].userType("six"); },
                              "Row 3, Min must be a number."},
                    FaultCase{"WordInLong", [](CombatSheet& s) { s.lRange[2].userType("far"); },
                              "Row 3, Long must be a number."},
                    FaultCase{"MinimumRangeModifierOverflows",
                              [](CombatSheet& s) { s.minRange[2].userType("40000"); },
                              "Row 3, Min must be a whole number from -32768 to 32767."},
                    FaultCase{"MinimumRangeModifierRoundsBeyondSixteenBits",
                              [](CombatSheet& s) { s.minRange[2].userType("32771.5"); },
                              "Row 3, Min must be a whole number from -32768 to 32767."},
                    FaultCase{"EndlessMin",
                              [](CombatSheet& s) { s.minRange[2].userType(huge("")); },
                              "Row 3, Min is too large."},
                    // Rows 1 to 8 could be written before row 9 fails; they must not be.
                    FaultCase{"FaultInALaterRow", [](CombatSheet& s) { s.sRange[8].userType("?"); },
                              "Row 9, Short must be a number."},
                    FaultCase{"ArmDamageOverflows",
                              [](CombatSheet& s) {
                                  s.situation.dmgShoulder1Mod = 32767;
                                  s.situation.dmgLowerAct1Mod = 1;
                              },
                              "Row 1, Arm damage must be a whole number from -32768 to 32767."},
                    FaultCase{"HeatOverflows", [](CombatSheet& s) { s.weapHeat[8] = 32767; },
                              "Total Heat must be a whole number from -32768 to 32767."}),
    [](const auto& info) { return std::string(info.param.label); });

// What a calculation does not need is not read, so it cannot stop the calculation.
TEST_F(CalculateTest, AnEmptyRowReadsNoneOfItsTexts) {
    chooseSkill(4);
    setRange(3);
    placeWeapon(0, "MLaser");
    sheet.minRange[1].userType("x");
    sheet.sRange[1].userType("y");
    sheet.mRange[1].userType("");
    sheet.lRange[1].userType("z");
    calculate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.toHit[0].text(), "4");
    EXPECT_EQ(sheet.toHit[1].text(), "");
}

TEST_F(CalculateTest, WoodsAreReadOnlyWhenARowIsAdded) {
    chooseSkill(4);
    setRange(12);
    placeWeapon(0, "MLaser");
    sheet.hexLW.userType("");
    calculate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.toHit[0].text(), "Out of Range");
    EXPECT_EQ(sheet.Text12.text(), "0");
}

// Beyond the medium range neither the short range nor the minimum range matters.
TEST_F(CalculateTest, BracketsBeyondTheComparisonAreNotRead) {
    chooseSkill(4);
    setRange(8);
    placeWeapon(0, "MLaser");
    sheet.sRange[0].userType("");
    sheet.minRange[0].userType("x");
    calculate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.toHit[0].text(), "8");
}

TEST_F(CalculateTest, AfterAFaultIsMendedTheNextCalculationWritesEverything) {
    chooseSkill(4);
    setRange(3);
    placeWeapon(0, "MLaser");
    sheet.hexLW.userType("x");
    calculate();
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    EXPECT_EQ(sheet.toHit[0].text(), "");
    sheet.hexLW.userType("2");
    calculate();
    EXPECT_EQ(fake.messageBox.shown.size(), 1u);
    EXPECT_EQ(sheet.toHit[0].text(), "6");
    EXPECT_EQ(sheet.Text12.text(), "0");
}

} // namespace
