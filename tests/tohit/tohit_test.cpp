// The Calculate button: modifiers, messages, heat and the breakdown in the tips. The range
// brackets, at every range, are in the range chart's test.

#include "support/sheet_fixture.h"
#include "tohit/sixteen_bit.h"
#include "tohit/two_dice_odds.h"

#include <cmath>
#include <tuple>

namespace {

// The rows' to-hit texts, or their tips, "|" between rows, up to the last one not empty.
std::string column(const CombatSheet& sheet, bool tips = false) {
    std::string texts;
    for (const TextBox& box : sheet.toHit) {
        texts += (tips ? box.toolTip() : box.text()) + "|";
    }
    return texts.substr(0, texts.find_last_not_of('|') + 1);
}

// Each attack, with gunnery 4, gives these to-hit texts and this tip for row 0. The stale
// number in row 11 goes, and only rows holding a weapon get a tip.
TEST(Calculate, WritesEveryRowAndExplainsItsNumber) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"rangeSlider=2 weapName(0)=MPLaser weapLoc(0)=RA weapName(1)=MPLaser weapLoc(1)=LT "
         "rightUpperActuatorBox",
         "3|2",
         "Gunnery 4, Pulse laser -2, Right arm damage +1 = 3\nChance to hit 35/36 (97.2%)\n"
         "Expected damage 5.8"},
        // A right shoulder hit adds 4 to "RA" only, the left actuators 2 to "LA" only; missiles
        // have no single damage to weigh.
        {"rangeSlider=2 weapName(0)=SRM6 weapLoc(0)=LA weapName(1)=MLaser weapLoc(1)=RA "
         "weapName(2)=MLaser weapLoc(2)=RT weapName(3)=MLaser weapLoc(3)=LL weapName(4)=MLaser "
         "weapLoc(4)=H weapName(5)=MLaser rightShoulderBox leftUpperActuatorBox "
         "leftLowerActuatorBox",
         "6|8|4|4|4|4", "Gunnery 4, Left arm damage +2 = 6\nChance to hit 26/36 (72.2%)"},
        // Worked out afresh per row: the "AC10" after the "LB-10X AC" gets no cluster bonus.
        {"rangeSlider=3 weapName(0)=LB-10X_AC weapName(1)=AC10 weapName(2)=LPLaser "
         "weapName(3)=SPLaser weapName(4)=erLLaser weapName(5)=LB-2X_AC clusterMunitionsBox",
         "3|4|2|6|4|5",
         "Gunnery 4, Cluster munitions -1 = 3\nChance to hit 35/36 (97.2%)\n"
         "Expected damage 9.7"},
        {"rangeSlider=1 weapName(0)=MLaser gunSkill=0 immobileBox", "-4",
         "Gunnery 0, Immobile -4 = -4\nChance to hit 100%\nExpected damage 5.0"},
        {"rangeSlider=5 weapName(0)=MLaser walkedOption targetMoved3to4Option hexLW=1.5", "9.5",
         "Gunnery 4, Medium range +2, Walked +1, Light woods +1.5, Target moved 3-4 +1 = 9.5\n"
         "Chance to hit 6/36 (16.7%)\nExpected damage 0.8"},
        // 2.5 + 1 - 1 and 3.5 + 1 - 1 taken into 16 bits: a half goes to the even neighbour.
        {"rangeSlider=1 weapName(0)=MLaser weapName(1)=MLaser minRange(0)=2.5 minRange(1)=3.5",
         "6|8",
         "Gunnery 4, Minimum range +2 = 6\nChance to hit 26/36 (72.2%)\nExpected damage 3.6"},
        {"rangeSlider=7 weapName(0)=MLaser ranOption attackerProneBox attackerWaterBox sensorsBox "
         "heat8to12Option targetMoved10PlusOption targetJumpedBox "
         "heavyWoodsOption",
         "23",
         "Gunnery 4, Long range +4, Ran +2, Attacker prone +2, Attacker in water +1, Sensors +2, "
         "Heat 8-12 +1, Target moved 10+ +4, Target jumped +1, Target in heavy woods +2 = 23\n"
         "Chance to hit 0%\nExpected damage 0.0"},
        // Water gives partial cover; a prone target is easier to hit from the next hex.
        {"rangeSlider=1 weapName(0)=MLaser targetWaterOption targetProneBox hexLW=3 hexHW=2", "11",
         "Gunnery 4, Light woods +3, Heavy woods +4, Partial cover +3, Target prone -2, Target in "
         "water -1 = 11\nChance to hit 3/36 (8.3%)\nExpected damage 0.4"},
        {"rangeSlider=3 weapName(0)=MLaser heat13to16Option targetMoved5to6Option lightWoodsOption "
         "targetProneBox",
         "10",
         "Gunnery 4, Heat 13-16 +2, Target moved 5-6 +2, Target in light woods +1, Target prone "
         "+1 = 10\nChance to hit 6/36 (16.7%)\nExpected damage 0.8"}};
    for (const auto& [script, toHit, tip] : cases) {
        FreshSheet f;
        f.sheet.toHit[11].setText("7");
        f.sheet.toHit[11].setToolTip("stale");
        act(f.sheet, std::string("gunSkill=4 ") + script + " calculateButton");
        EXPECT_EQ(column(f.sheet), toHit) << script;
        EXPECT_EQ(f.sheet.toHit[0].toolTip(), tip) << script;
        for (int i = 0; i < WEAPON_ROWS; ++i) {
            EXPECT_EQ(f.sheet.toHit[i].toolTip().empty(), f.sheet.weapName[i].text().empty());
        }
    }
}

// A missing input, the gunnery skill checked first, a text that cannot be read or a value
// that overflows stops Calculate with one message naming the field: every result of the
// last calculation stays, rows before the fault too.
TEST(Calculate, AFaultShowsOneMessageAndChangesNothing) {
    const std::string calculated =
        "gunSkill=4 rangeSlider=3 weapName(0)=MLaser weapName(2)=LRM20 "
        "weapName(8)=PPC fireCheck(0) fireCheck(8) calculateButton rangeSlider=5 ";
    const std::pair<std::string, const char*> cases[] = {
        {"weapName(0)=MLaser fireCheck(0)",
         "Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."},
        {"weapName(0)=MLaser fireCheck(0) gunSkill=4", "Please enter range to target"},
        {calculated + "hexLW=", "Light Woods must be a number."},
        {calculated + "hexHW=1,5", "Heavy Woods must be a number."},
        {calculated + "minRange(2)=40000",
         "Row 3, Min must be a whole number from -32768 to 32767."},
        {calculated + "mRange(2)=x", "Row 3, Med must be a number."},
        {calculated + "sRange(8)=?", "Row 9, Short must be a number."}};
    for (const auto& [script, message] : cases) {
        FreshSheet f;
        act(f.sheet, script);
        f.sheet.toHit[5].setText("stale");
        const std::string before = snapshot(f.sheet);
        act(f.sheet, "calculateButton");
        EXPECT_EQ(f.fake.messageBox.shown, std::vector<std::string>{message});
        EXPECT_EQ(snapshot(f.sheet), before);
    }
}

TEST(ToSixteenBit, RoundsHalfToEvenWithinSixteenBits) {
    // clang-format off
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {2.5001, 3}, {32767.4, 32767},
        {32767.5, std::nullopt}, {-32768.5, -32768}, {-32768.6, std::nullopt},
        {1e300, std::nullopt}, {std::nan(""), std::nullopt}};
    // clang-format on
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(toSixteenBit(value), expected) << value;
    }
}

TEST(TwoDiceOdds, CountsTheRollsThatReachEachTarget) {
    const int counts[] = {36, 36, 35, 33, 30, 26, 21, 15, 10, 6, 3, 1, 0};
    for (int target = 1; target <= 13; ++target) {
        EXPECT_EQ(outcomesAtLeast(target), counts[target - 1]) << target;
    }
    EXPECT_EQ(outcomesAtLeast(7.5), 15);         // a fraction of a pip needs the next roll
    EXPECT_EQ(expectedDamageText(11, 3), "0.3"); // exactly 0.25: a half goes up
    EXPECT_EQ(chanceText(2), "100%");
    EXPECT_EQ(chanceText(13), "0%");
}

// Like the numbers, the tips change only with Calculate.
TEST_F(SheetTest, OutOfRangeTipsTellTheReachAndNoTipChangesBeforeCalculate) {
    act(sheet, "gunSkill=4 rangeSlider=10 weapName(0)=MLaser weapName(1)=Hatchet weapName(2)=PPC "
               "calculateButton");
    const std::string tips = column(sheet, true);
    EXPECT_EQ(tips, "Beyond long range (9 hexes)|Beyond long range (1 hex)|Gunnery 4, Medium "
                    "range +2 = 6\nChance to hit 26/36 (72.2%)\nExpected damage 7.2");
    act(sheet, "ranOption rangeSlider=2 weapName(2)=AC20 weapName(3)=SLaser");
    EXPECT_EQ(column(sheet, true), tips);
    act(sheet, "calculateButton");
    EXPECT_NE(column(sheet, true), tips);
}

} // namespace
