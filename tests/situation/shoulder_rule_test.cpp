#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

using Field = std::int16_t SituationModifiers::*;

// The boxes and fields of one arm, so that both arms run the same cases.
struct ArmCase {
    const char* name;
    CheckBox CombatSheet::*shoulder;
    CheckBox CombatSheet::*upper;
    CheckBox CombatSheet::*lower;
    Field shoulderMod;
    Field upperMod;
    Field lowerMod;
    // The boxes of the other arm, which must stay as they are.
    CheckBox CombatSheet::*otherShoulder;
    CheckBox CombatSheet::*otherUpper;
    Field otherUpperMod;
};

void PrintTo(const ArmCase& c, std::ostream* os) {
    *os << c.name;
}

class ShoulderRule : public testing::TestWithParam<ArmCase> {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};

    CheckBox& shoulder() { return sheet.*GetParam().shoulder; }
    CheckBox& upper() { return sheet.*GetParam().upper; }
    CheckBox& lower() { return sheet.*GetParam().lower; }
    std::int16_t shoulderMod() const { return sheet.situation.*GetParam().shoulderMod; }
    std::int16_t upperMod() const { return sheet.situation.*GetParam().upperMod; }
    std::int16_t lowerMod() const { return sheet.situation.*GetParam().lowerMod; }
    int armTotal() const { return shoulderMod() + upperMod() + lowerMod(); }
};

TEST_P(ShoulderRule, ShoulderHitGraysTheActuatorsAndCountsFourAlone) {
    shoulder().userClick();
    EXPECT_EQ(shoulderMod(), 4);
    EXPECT_EQ(upperMod(), 0);
    EXPECT_EQ(lowerMod(), 0);
    EXPECT_EQ(upper().value(), CheckBox::Grayed);
    EXPECT_EQ(lower().value(), CheckBox::Grayed);
    EXPECT_TRUE(upper().enabled());
    EXPECT_TRUE(lower().enabled());
}

TEST_P(ShoulderRule, UntickingTheShoulderClearsTheWholeArm) {
    shoulder().userClick();
    shoulder().userClick();
    EXPECT_EQ(shoulderMod(), 0);
    EXPECT_EQ(upperMod(), 0);
    EXPECT_EQ(lowerMod(), 0);
    EXPECT_EQ(upper().value(), CheckBox::Unticked);
    EXPECT_EQ(lower().value(), CheckBox::Unticked);
}

TEST_P(ShoulderRule, TickedActuatorIsOverriddenByALaterShoulderHit) {
    upper().userClick();
    EXPECT_EQ(upperMod(), 1);
    shoulder().userClick();
    EXPECT_EQ(shoulderMod(), 4);
    EXPECT_EQ(upperMod(), 0);
    EXPECT_EQ(lowerMod(), 0);
    EXPECT_EQ(upper().value(), CheckBox::Grayed);
    EXPECT_EQ(lower().value(), CheckBox::Grayed);
    shoulder().userClick();
    EXPECT_EQ(armTotal(), 0);
    EXPECT_EQ(upper().value(), CheckBox::Unticked);
}

TEST_P(ShoulderRule, ClickingAGrayedActuatorAfterAShoulderHitAddsItsOne) {
    shoulder().userClick();
    lower().userClick(); // grayed -> ticked
    EXPECT_EQ(lower().value(), CheckBox::Ticked);
    EXPECT_EQ(lowerMod(), 1);
    EXPECT_EQ(armTotal(), 5);
    lower().userClick(); // ticked -> unticked
    EXPECT_EQ(lowerMod(), 0);
    EXPECT_EQ(armTotal(), 4);
}

TEST_P(ShoulderRule, BothActuatorsTickedThenShoulderThenUntick) {
    upper().userClick();
    lower().userClick();
    EXPECT_EQ(armTotal(), 2);
    shoulder().userClick();
    EXPECT_EQ(armTotal(), 4);
    shoulder().userClick();
    EXPECT_EQ(armTotal(), 0);
    EXPECT_EQ(upper().value(), CheckBox::Unticked);
    EXPECT_EQ(lower().value(), CheckBox::Unticked);
}

TEST_P(ShoulderRule, ShoulderGrayedByCodeCountsAsAHit) {
    shoulder().setValue(CheckBox::Grayed);
    EXPECT_EQ(shoulderMod(), 4);
    EXPECT_EQ(upper().value(), CheckBox::Grayed);
    EXPECT_EQ(armTotal(), 4);
    shoulder().setValue(CheckBox::Unticked);
    EXPECT_EQ(armTotal(), 0);
}

TEST_P(ShoulderRule, OtherArmIsUntouched) {
    CheckBox& otherUpper = sheet.*GetParam().otherUpper;
    otherUpper.userClick();
    shoulder().userClick();
    EXPECT_EQ(otherUpper.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.*GetParam().otherUpperMod, 1);
    EXPECT_EQ((sheet.*GetParam().otherShoulder).value(), CheckBox::Unticked);
    shoulder().userClick();
    EXPECT_EQ(otherUpper.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.*GetParam().otherUpperMod, 1);
}

using C = CombatSheet;
using S = SituationModifiers;

INSTANTIATE_TEST_SUITE_P(
    Arms, ShoulderRule,
    testing::Values(ArmCase{"RightArm", &C::dmgShoulder1, &C::dmgUpperAct1, &C::dmgLowerAct1,
                            &S::dmgShoulder1Mod, &S::dmgUpperAct1Mod, &S::dmgLowerAct1Mod,
                            &C::dmgShoulder2, &C::dmgUpperAct2, &S::dmgUpperAct2Mod},
                    ArmCase{"LeftArm", &C::dmgShoulder2, &C::dmgUpperAct2, &C::dmgLowerAct2,
                            &S::dmgShoulder2Mod, &S::dmgUpperAct2Mod, &S::dmgLowerAct2Mod,
                            &C::dmgShoulder1, &C::dmgUpperAct1, &S::dmgUpperAct1Mod}),
    [](const testing::TestParamInfo<ArmCase>& info) { return info.param.name; });

TEST(ShoulderRuleArms, ShoulderHitsOnBothArmsAreKeptApart) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    sheet.dmgShoulder1.userClick();
    sheet.dmgLowerAct2.userClick();
    SituationModifiers expected;
    expected.dmgShoulder1Mod = 4;
    expected.dmgLowerAct2Mod = 1;
    EXPECT_EQ(sheet.situation, expected);
    sheet.dmgShoulder2.userClick();
    expected.dmgShoulder2Mod = 4;
    expected.dmgLowerAct2Mod = 0;
    EXPECT_EQ(sheet.situation, expected);
}

} // namespace
