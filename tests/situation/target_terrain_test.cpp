#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

class TargetTerrain : public testing::Test {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

// Water rule

TEST_F(TargetTerrain, WaterTicksPartialCoverAndLeavingTheWaterKeepsIt) {
    sheet.tWater0.userClick();
    EXPECT_EQ(sheet.situation.tWaterMod, -1);
    EXPECT_EQ(sheet.situation.tLightWoodsMod, 0);
    EXPECT_EQ(sheet.situation.tHeavyWoodsMod, 0);
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.tPartialMod, 3);

    sheet.tOpenHex0.userClick();
    EXPECT_EQ(sheet.situation.tWaterMod, 0);
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.tPartialMod, 3);

    sheet.tPartial0.userClick();
    EXPECT_EQ(sheet.situation.tPartialMod, 0);
}

TEST_F(TargetTerrain, WaterAgainAfterCoverWasUntickedTicksItAgain) {
    sheet.tWater0.userClick();
    sheet.tPartial0.userClick(); // the user unticks the cover while in the water
    EXPECT_EQ(sheet.situation.tPartialMod, 0);
    EXPECT_EQ(sheet.situation.tWaterMod, -1);
    sheet.tLW0.userClick();
    sheet.tWater0.userClick();
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.tPartialMod, 3);
    EXPECT_EQ(sheet.situation.tLightWoodsMod, 0);
}

TEST_F(TargetTerrain, WaterWithCoverAlreadyTickedKeepsThree) {
    sheet.tPartial0.userClick();
    sheet.tWater0.userClick();
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.tPartialMod, 3);
}

// Woods limit: what a typed text becomes in each box.
struct WoodsCase {
    const char* name;
    ComboBox CombatSheet::*box;
    const char* typed;
    const char* kept;
};

void PrintTo(const WoodsCase& c, std::ostream* os) {
    *os << c.name;
}

class WoodsLimit : public TargetTerrain, public testing::WithParamInterface<WoodsCase> {};

TEST_P(WoodsLimit, OnlyNumbersOutsideZeroToTheLimitGoBackToZero) {
    ComboBox& box = sheet.*GetParam().box;
    box.userType("1"); // start from a text other than "0" so that a reset shows
    const SituationModifiers before = sheet.situation;
    EXPECT_NO_THROW(box.userType(GetParam().typed));
    EXPECT_EQ(box.text(), GetParam().kept);
    EXPECT_EQ(sheet.situation, before);
}

constexpr auto LW = &CombatSheet::hexLW;
constexpr auto HW = &CombatSheet::hexHW;

INSTANTIATE_TEST_SUITE_P(
    Texts, WoodsLimit,
    testing::Values(
        WoodsCase{"LightZero", LW, "0", "0"}, WoodsCase{"LightThreeKept", LW, "3", "3"},
        WoodsCase{"LightFourReset", LW, "4", "0"}, WoodsCase{"LightLargeReset", LW, "99", "0"},
        WoodsCase{"LightJustAboveReset", LW, "3.01", "0"},
        WoodsCase{"LightFractionKept", LW, "2.5", "2.5"},
        WoodsCase{"LightNegativeReset", LW, "-1", "0"},
        WoodsCase{"LightSmallNegativeReset", LW, "-0.5", "0"},
        WoodsCase{"LightBlanksAroundNumberRead", LW, " 7 ", "0"},
        WoodsCase{"LightHugeNumberReset", LW, "99999999999999999999999999", "0"},
        WoodsCase{"LightJunkKept", LW, "abc", "abc"}, WoodsCase{"LightEmptyKept", LW, "", ""},
        WoodsCase{"LightSignOnlyKept", LW, "-", "-"},
        WoodsCase{"LightCommaDecimalKept", LW, "4,5", "4,5"},
        WoodsCase{"HeavyTwoKept", HW, "2", "2"}, WoodsCase{"HeavyThreeReset", HW, "3", "0"},
        WoodsCase{"HeavyFractionKept", HW, "1.5", "1.5"},
        WoodsCase{"HeavyJustAboveReset", HW, "2.5", "0"},
        WoodsCase{"HeavyNegativeReset", HW, "-2", "0"}, WoodsCase{"HeavyJunkKept", HW, "x", "x"},
        WoodsCase{"HeavyEmptyKept", HW, "", ""}),
    [](const testing::TestParamInfo<WoodsCase>& info) { return info.param.name; });

TEST_F(TargetTerrain, EveryPickFromTheWoodsListsPasses) {
    for (ComboBox* box : {&sheet.hexLW, &sheet.hexHW}) {
        for (int i = 0; i < static_cast<int>(box->items().size()); ++i) {
            box->userPick(i);
            EXPECT_EQ(box->text(), std::to_string(i));
        }
    }
    EXPECT_EQ(sheet.hexLW.text(), "3");
    EXPECT_EQ(sheet.hexHW.text(), "2");
}

TEST_F(TargetTerrain, WoodsBoxesAreIndependent) {
    sheet.hexLW.userType("3");
    sheet.hexHW.userType("3");
    EXPECT_EQ(sheet.hexLW.text(), "3");
    EXPECT_EQ(sheet.hexHW.text(), "0");
}

} // namespace
