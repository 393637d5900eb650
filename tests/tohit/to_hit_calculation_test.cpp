#include "tohit/to_hit_calculation.h"

#include "tohit/calculate_fixture.h"
#include "tohit/to_hit_row.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string NoGunnery = "Please Enter Pilot's Gunnery Skill. Click [Edit Mech].";
const std::string NoRange = "Please enter range to target";

// --- The two input checks -----------------------------------------------------------------

struct MissingInputCase {
    const char* label;
    std::optional<int> skill;
    std::optional<int> range;
    std::string message;
};

class MissingInput : public CalculateFixture, public testing::TestWithParam<MissingInputCase> {};

TEST_P(MissingInput, ShowsOneMessageAndChangesNothing) {
    const MissingInputCase& c = GetParam();
    placeWeapon(0, "MLaser");
    sheet.fireCheck[0].userClick();
    sheet.toHit[0].setText("7");
    sheet.toHit[1].setText("Out of Range");
    sheet.Text12.setText("5");
    if (c.skill) {
        chooseSkill(*c.skill);
    }
    if (c.range) {
        setRange(*c.range);
    }
    auto before = results();

    calculate();

    EXPECT_EQ(fake.messageBox.shown, std::vector<std::string>{c.message});
    EXPECT_EQ(results(), before);
    EXPECT_EQ(sheet.Text12.text(), "5");
    EXPECT_EQ(sheet.calculation.heatTotal, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, MissingInput,
    testing::Values(MissingInputCase{"NeitherSkillNorRange", std::nullopt, std::nullopt, NoGunnery},
                    MissingInputCase{"RangeWithoutSkill", std::nullopt, 5, NoGunnery},
                    MissingInputCase{"SkillWithoutRange", 4, std::nullopt, NoRange}),
    [](const auto& info) { return std::string(info.param.label); });

// --- Range brackets ------------------------------------------------------------------------

struct BracketCase {
    const char* weapon;
    int range;
    const char* toHit;
    int rangeMod;
};

std::ostream& operator<<(std::ostream& out, const BracketCase& c) {
    return out << c.weapon << " at " << c.range;
}

class RangeBracket : public CalculateFixture, public testing::TestWithParam<BracketCase> {};

// A range equal to a bracket's upper end belongs to that bracket; at or inside the minimum
// range each hex closer costs one more.
TEST_P(RangeBracket, PicksTheBracketByStrictComparison) {
    const BracketCase& c = GetParam();
    chooseSkill(4);
    setRange(c.range);
    placeWeapon(2, c.weapon);
    calculate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.toHit[2].text(), c.toHit);
    EXPECT_EQ(sheet.calculation.weapRangeMod[2], c.rangeMod);
}

INSTANTIATE_TEST_SUITE_P(Edges, RangeBracket,
                         testing::Values(
                             // MLaser 0 / 3 / 6 / 9
                             BracketCase{"MLaser", 1, "4", 0}, BracketCase{"MLaser", 3, "4", 0},
                             BracketCase{"MLaser", 4, "6", 2}, BracketCase{"MLaser", 6, "6", 2},
                             BracketCase{"MLaser", 7, "8", 4}, BracketCase{"MLaser", 9, "8", 4},
                             BracketCase{"MLaser", 10, "Out of Range", 4},
                             // LRM20 6 / 7 / 14 / 21
                             BracketCase{"LRM20", 1, "10", 6}, BracketCase{"LRM20", 3, "8", 4},
                             BracketCase{"LRM20", 6, "5", 1}, BracketCase{"LRM20", 7, "4", 0},
                             BracketCase{"LRM20", 8, "6", 2}, BracketCase{"LRM20", 14, "6", 2},
                             BracketCase{"LRM20", 15, "8", 4}, BracketCase{"LRM20", 21, "8", 4},
                             BracketCase{"LRM20", 22, "Out of Range", 4},
                             // PPC 3 / 6 / 12 / 18
                             BracketCase{"PPC", 2, "6", 2}, BracketCase{"PPC", 3, "5", 1},
                             BracketCase{"PPC", 4, "4", 0}, BracketCase{"PPC", 6, "4", 0},
                             BracketCase{"PPC", 7, "6", 2}, BracketCase{"PPC", 12, "6", 2},
                             BracketCase{"PPC", 13, "8", 4}, BracketCase{"PPC", 18, "8", 4},
                             BracketCase{"PPC", 19, "Out of Range", 4},
                             // AC2 4 / 8 / 16 / 24: the far end of the slider is still long range
                             BracketCase{"AC2", 24, "8", 4}, BracketCase{"AC2", 4, "5", 1},
                             // Hatchet 0 / 1 / 1 / 1
                             BracketCase{"Hatchet", 1, "4", 0},
                             BracketCase{"Hatchet", 2, "Out of Range", 4}));

// --- Arm damage ----------------------------------------------------------------------------

struct ArmCase {
    const char* location;
    const char* toHit;
    int armMod;
};

class ArmDamage : public CalculateFixture, public testing::TestWithParam<ArmCase> {};

TEST_P(ArmDamage, CountsOnlyForWeaponsInThatArm) {
    chooseSkill(4);
    setRange(2);
    placeWeapon(5, "MLaser", GetParam().location);
    // Right arm: shoulder 4, and the lower actuator, grayed by the shoulder, ticked: 5.
    sheet.dmgShoulder1.userClick();
    sheet.dmgLowerAct1.userClick();
    // Left arm: both actuators: 2.
    sheet.dmgUpperAct2.userClick();
    sheet.dmgLowerAct2.userClick();
    calculate();
    EXPECT_EQ(sheet.toHit[5].text(), GetParam().toHit) << GetParam().location;
    EXPECT_EQ(sheet.calculation.weapArmMod[5], GetParam().armMod) << GetParam().location;
}

INSTANTIATE_TEST_SUITE_P(Locations, ArmDamage,
                         testing::Values(ArmCase{"RA", "9", 5}, ArmCase{"LA", "6", 2},
                                         ArmCase{"RL", "4", 0}, ArmCase{"RT", "4", 0},
                                         ArmCase{"CT", "4", 0}, ArmCase{"LT", "4", 0},
                                         ArmCase{"LL", "4", 0}, ArmCase{"H", "4", 0},
                                         ArmCase{"", "4", 0}));

// --- The minimum-range modifier as a 16-bit value --------------------------------------------

struct MinimumCase {
    const char* minText;
    const char* toHit;
};

class MinimumRange : public CalculateFixture, public testing::TestWithParam<MinimumCase> {};

TEST_P(MinimumRange, IsRoundedHalfToEven) {
    chooseSkill(4);
    setRange(1);
    placeWeapon(0, "MLaser");
    sheet.minRange[0].userType(GetParam().minText);
    calculate();
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(sheet.toHit[0].text(), GetParam().toHit) << GetParam().minText;
}

INSTANTIATE_TEST_SUITE_P(Texts, MinimumRange,
                         testing::Values(MinimumCase{"1", "5"}, MinimumCase{"2.5", "6"},
                                         MinimumCase{"3.5", "8"}, MinimumCase{"1.4", "5"},
                                         MinimumCase{"32766.5", "32770"},
                                         MinimumCase{"32767", "32771"}));

// --- Per-row modifiers and sums --------------------------------------------------------------

TEST_F(CalculateTest, ClusterAndPulseModifiersAreWorkedOutPerRow) {
    chooseSkill(4);
    setRange(3);
    const std::vector<std::string> weapons = {"LB-10X AC", "AC10",    "MPLaser", "erLLaser",
                                              "LPLaser",   "SPLaser", "LB-2X AC"};
    for (int i = 0; i < static_cast<int>(weapons.size()); ++i) {
        placeWeapon(i, weapons[i]);
    }
    calculate();
    EXPECT_EQ(results(), (std::array<std::string, WEAPON_ROWS>{"4", "4", "4", "4", "2", "6", "6",
                                                               "", "", "", "", ""}));

    sheet.Check6.userClick();
    calculate();
    EXPECT_EQ(results(), (std::array<std::string, WEAPON_ROWS>{"3", "4", "4", "4", "2", "6", "5",
                                                               "", "", "", "", ""}));
    // The last row calculated was the LB-2X AC.
    EXPECT_EQ(sheet.calculation.clusterMod, -1);
    EXPECT_EQ(sheet.calculation.pulseMod, 0);
}

TEST_F(CalculateTest, ResultsAreNotClamped) {
    chooseSkill(0);
    setRange(1);
    placeWeapon(0, "MLaser");
    sheet.tImmobile0.userClick();
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "-4");

    chooseSkill(12);
    sheet.tImmobile0.userClick();
    sheet.tPartial0.userClick();
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "15");
}

TEST_F(CalculateTest, ThreeLightAndTwoHeavyWoodsHexesAddSeven) {
    chooseSkill(4);
    setRange(2);
    placeWeapon(0, "MLaser");
    sheet.hexLW.userPick(3);
    sheet.hexHW.userPick(2);
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "11");
}

TEST_F(CalculateTest, AFractionInAWoodsBoxGivesAFractionalResult) {
    chooseSkill(4);
    setRange(5);
    placeWeapon(0, "MLaser");
    sheet.aMove2.userClick();
    sheet.tMove1.userClick();
    sheet.hexLW.userType("1.5");
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "9.5");
}

// Set directly: the target's position options allow only one of woods and water at a time.
TEST_F(CalculateTest, EverySituationModifierIsAdded) {
    chooseSkill(1);
    setRange(1);
    placeWeapon(0, "MLaser", "LA");
    SituationModifiers& s = sheet.situation;
    s.aMoveMod = 3;
    s.aProneMod = 2;
    s.aWaterMod = 1;
    s.dmgSensorMod = 2;
    s.dmgUpperAct2Mod = 1;
    s.aHeatMod = 4;
    s.tMoveMod = 4;
    s.tJumpMod = 1;
    s.tHeavyWoodsMod = 2;
    s.tLightWoodsMod = 1;
    s.tImmobileMod = -4;
    s.tPartialMod = 3;
    s.tProneMod = -2;
    s.tWaterMod = -1;
    calculate();
    // 1 + 3 + 2 + 1 + 1 + 2 + 4 + 4 + 1 + 2 + 1 - 4 + 3 - 2 - 1
    EXPECT_EQ(sheet.toHit[0].text(), "18");
}

TEST_F(CalculateTest, RowsWithoutWeaponAreEmptiedEvenIfTheyShowedANumber) {
    chooseSkill(4);
    setRange(3);
    placeWeapon(6, "SLaser");
    sheet.toHit[0].setText("7");
    sheet.toHit[11].setText("Out of Range");
    calculate();
    EXPECT_EQ(results(), (std::array<std::string, WEAPON_ROWS>{"", "", "", "", "", "", "8", "", "",
                                                               "", "", ""}));
}

// --- Heat ------------------------------------------------------------------------------------

TEST_F(CalculateTest, HeatOfTickedRowsCountsWhateverTheirResult) {
    chooseSkill(4);
    setRange(10);
    placeWeapon(0, "LLaser"); // heat 8, calculated
    placeWeapon(1, "MLaser"); // heat 3, out of range
    placeWeapon(2, "PPC");    // heat 10, not ticked
    placeWeapon(3, "erPPC");  // heat 15, grayed box
    sheet.weapHeat[7] = 10;   // a row without a weapon that still carries heat
    for (int i : {0, 1, 7}) {
        sheet.fireCheck[i].userClick();
    }
    sheet.fireCheck[3].setValue(CheckBox::Grayed);
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "6");
    EXPECT_EQ(sheet.toHit[1].text(), "Out of Range");
    EXPECT_EQ(sheet.toHit[7].text(), "");
    EXPECT_EQ(sheet.Text12.text(), "21");
    EXPECT_EQ(sheet.calculation.heatTotal, 21);
}

TEST_F(CalculateTest, TotalHeatIsZeroWhenNothingIsTicked) {
    chooseSkill(4);
    setRange(3);
    placeWeapon(0, "LLaser");
    sheet.fireCheck[0].userClick();
    calculate();
    ASSERT_EQ(sheet.Text12.text(), "8");
    sheet.fireCheck[0].userClick();
    calculate();
    EXPECT_EQ(sheet.Text12.text(), "0");
}

// --- The breakdown of one row ----------------------------------------------------------------

TEST_F(CalculateTest, ARowBreaksDownIntoNamedSummandsThatAddUpToItsTotal) {
    std::set<std::string_view> names(SUMMAND_NAMES.begin(), SUMMAND_NAMES.end());
    EXPECT_EQ(names.size(), static_cast<std::size_t>(SUMMAND_COUNT));

    chooseSkill(4);
    setRange(5);
    placeWeapon(4, "MPLaser", "RA");
    sheet.aMove2.userClick();
    sheet.dmgUpperAct1.userClick();
    sheet.tMove1.userClick();
    sheet.hexLW.userPick(1);
    sheet.hexHW.userPick(2);

    ToHitRow row = computeToHitRow(sheet, 4);
    ASSERT_EQ(row.status, ToHitRow::Status::Number);
    std::map<std::string_view, double> nonZero;
    double sum = 0.0;
    for (int k = 0; k < SUMMAND_COUNT; ++k) {
        sum += row.summands[k];
        if (row.summands[k] != 0.0) {
            nonZero[SUMMAND_NAMES[k]] = row.summands[k];
        }
    }
    // MPLaser 0 / 2 / 4 / 6 at 5 hexes is long range.
    EXPECT_EQ(nonZero, (std::map<std::string_view, double>{{"Gunnery", 4},
                                                           {"Range", 4},
                                                           {"Pulse laser", -2},
                                                           {"Attacker movement", 1},
                                                           {"Arm damage", 1},
                                                           {"Light woods between", 1},
                                                           {"Heavy woods between", 4},
                                                           {"Target movement", 1}}));
    EXPECT_EQ(row.total, sum);
    EXPECT_EQ(row.total, 14);
    EXPECT_TRUE(sheet.toHit[4].text().empty()) << "computing a row writes nothing";
}

TEST_F(CalculateTest, EmptyAndOutOfRangeRowsHaveNoSummands) {
    setRange(4);
    placeWeapon(1, "SLaser");
    EXPECT_EQ(computeToHitRow(sheet, 0).status, ToHitRow::Status::Empty);
    ToHitRow far = computeToHitRow(sheet, 1);
    EXPECT_EQ(far.status, ToHitRow::Status::OutOfRange);
    EXPECT_EQ(far.toHitText(), "Out of Range");
    EXPECT_EQ(far.total, 0.0);
}

} // namespace
