#include "tohit/to_hit_calculation.h"

#include "tohit/calculate_fixture.h"

#include <gtest/gtest.h>

namespace {

// The situation is set through its controls, as the user sets it; these tests rely on the
// situation handlers keeping the modifiers current.

TEST_F(CalculateTest, WalkingAttackerAndMovingTargetThroughLightWoods) {
    chooseSkill(4);
    setRange(5);
    placeWeapon(0, "MLaser");
    sheet.aMove2.userClick();
    sheet.tMove1.userClick();
    sheet.hexLW.userPick(1);
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "9");
}

TEST_F(CalculateTest, MissilesInsideTheirMinimumRangeAndBeyondTheirLongRange) {
    chooseSkill(4);
    placeWeapon(0, "LRM20");
    for (auto [range, expected] :
         {std::pair{3, "8"}, std::pair{6, "5"}, std::pair{7, "4"}, std::pair{22, "Out of Range"}}) {
        setRange(range);
        calculate();
        EXPECT_EQ(sheet.toHit[0].text(), expected) << "at " << range;
    }
}

TEST_F(CalculateTest, PpcAtItsMinimumRange) {
    chooseSkill(4);
    setRange(3);
    placeWeapon(0, "PPC");
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "5");
}

TEST_F(CalculateTest, PulseLaserInADamagedArm) {
    chooseSkill(4);
    setRange(2);
    placeWeapon(0, "MPLaser", "RA");
    placeWeapon(1, "MPLaser", "LT");
    sheet.dmgUpperAct1.userClick();
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "3");
    EXPECT_EQ(sheet.toHit[1].text(), "2");
}

TEST_F(CalculateTest, ARightShoulderHitCountsForRightArmWeaponsOnly) {
    chooseSkill(4);
    setRange(2);
    placeWeapon(0, "MLaser", "RA");
    placeWeapon(1, "SRM6", "RA");
    placeWeapon(2, "MLaser", "LA");
    sheet.dmgShoulder1.userClick();
    calculate();
    EXPECT_EQ(sheet.toHit[0].text(), "8");
    EXPECT_EQ(sheet.toHit[1].text(), "8");
    EXPECT_EQ(sheet.toHit[2].text(), "4");
}

} // namespace
