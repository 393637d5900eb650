#include "tohit/calculate_fixture.h"

namespace {

// What stays from turn to turn: pilot, weapons, damage (sensors +2, right shoulder +4 to
// "RA") and the range; the whole-sheet comparison below checks that all of it stays.
const std::string Mech = "gunSkill=4 range=5 weapName0=MLaser weapLoc0=RA weapName1=MPLaser "
                         "weapLoc1=LA weapName2=LRM20 weapLoc2=CT weapName3=SLaser weapLoc3=LT "
                         "dmgSensor1 dmgShoulder1 ";

TEST_F(SheetTest, ClearEndsTheAttackAndKeepsTheMech) {
    act(sheet, Mech + "tWater0 Command1 fireCheck0 fireCheck2 Command4");
    act(sheet, "Command3");
    EXPECT_TRUE(sheet.tOpenHex0.selected());
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Unticked);
    EXPECT_EQ(sheet.situation.tWaterMod, 0);
    EXPECT_EQ(sheet.situation.tPartialMod, 0);
    act(sheet, "Command4");
    EXPECT_EQ(sheet.Text13.text(), "");
    // A stationary attacker against a target 0-2 hexes away in the open, plus the damage.
    act(sheet, "Command1");
    EXPECT_EQ(column(), "12|8|8|Out of Range");
}

// Clear works through the controls' own handlers: after any attack, the controls and every
// modifier match a sheet given only the same Mech, so a modifier that Clear set itself and
// forgot shows up here. Each attack sets one resettable field or box; Clear on a sheet that
// is already clear changes nothing.
TEST(SheetClear, EndsLikeASheetGivenOnlyTheSameMech) {
    const char* const attacks[] = {
        "aMove2", "aHeat4",    "aProne1",           "aWater1",        "tMove1",
        "tJump0", "tPartial0", "tProne0",           "tImmobile0",     "tHW0",
        "tLW0",   "tWater0",   "tWater0 tOpenHex0", "hexLW=3 hexHW=x"};
    CalculateFixture reference;
    act(reference.sheet, Mech);
    const std::string mech = controls(reference.sheet);
    const SituationModifiers modifiers = reference.sheet.situation;
    act(reference.sheet, "Command3");
    ASSERT_EQ(controls(reference.sheet), mech);
    ASSERT_EQ(reference.sheet.situation, modifiers);
    for (const char* attack : attacks) {
        CalculateFixture f;
        act(f.sheet, Mech + attack);
        act(f.sheet, "Command1 Check1 Command4 Command3");
        EXPECT_EQ(f.sheet.situation, modifiers) << attack;
        EXPECT_EQ(controls(f.sheet), mech) << attack;
    }
}

} // namespace
