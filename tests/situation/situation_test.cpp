// The situation modifiers and the interlocks between the situation controls.

#include "support/sheet_fixture.h"

#include <string>
#include <tuple>
#include <vector>

namespace {

using C = CombatSheet;
using S = SituationModifiers;
using SituationHandlers = SheetTest;

// Each button of a group, clicked from the last to the first, sets its group's field to its
// place in the group and nothing else.
TEST_F(SituationHandlers, OptionGroupsSetTheirField) {
    const std::pair<std::vector<OptionButton C::*>, ModField> groups[] = {
        {{&C::aMove1, &C::aMove2, &C::aMove3, &C::aMove4}, &S::aMoveMod},
        {{&C::aHeat0, &C::aHeat1, &C::aHeat2, &C::aHeat3, &C::aHeat4}, &S::aHeatMod},
        {{&C::tMove0, &C::tMove1, &C::tMove2, &C::tMove3, &C::tMove4}, &S::tMoveMod}};
    for (const auto& [buttons, field] : groups) {
        for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i) {
            (sheet.*buttons[i]).userClick();
            EXPECT_EQ(sheet.situation, modsWith({{field, i}})) << "button " << i;
        }
    }
}

// Where the target stands sets the woods and water fields together; water also ticks "Partial
// Cover", and leaving the water keeps it.
TEST_F(SituationHandlers, TargetPositionAndWaterCover) {
    // clang-format off
    const std::pair<OptionButton C::*, Mods> steps[] = {
        {&C::tHW0, {{&S::tHeavyWoodsMod, 2}}}, {&C::tLW0, {{&S::tLightWoodsMod, 1}}},
        {&C::tWater0, {{&S::tWaterMod, -1}, {&S::tPartialMod, 3}}},
        {&C::tHW0, {{&S::tHeavyWoodsMod, 2}, {&S::tPartialMod, 3}}},
        {&C::tOpenHex0, {{&S::tPartialMod, 3}}}};
    // clang-format on
    for (const auto& [button, fields] : steps) {
        (sheet.*button).userClick();
        EXPECT_EQ(sheet.situation, modsWith(fields));
    }
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
}

// A box gives its "on" value while ticked and 0 while unticked; grayed counts as ticked, except
// for the cluster-munitions flag.
TEST_F(SituationHandlers, CheckBoxesSetTheirField) {
    // clang-format off
    const std::tuple<CheckBox C::*, ModField, int> boxes[] = {
        {&C::aProne1, &S::aProneMod, 2}, {&C::aWater1, &S::aWaterMod, 1},
        {&C::dmgSensor1, &S::dmgSensorMod, 2}, {&C::tJump0, &S::tJumpMod, 1},
        {&C::dmgUpperAct1, &S::dmgUpperAct1Mod, 1}, {&C::dmgLowerAct1, &S::dmgLowerAct1Mod, 1},
        {&C::dmgUpperAct2, &S::dmgUpperAct2Mod, 1}, {&C::dmgLowerAct2, &S::dmgLowerAct2Mod, 1},
        {&C::tImmobile0, &S::tImmobileMod, -4}, {&C::tPartial0, &S::tPartialMod, 3},
        {&C::Check6, &S::clusterMunitions, 1}};
    // clang-format on
    for (const auto& [box, field, ticked] : boxes) {
        (sheet.*box).setValue(CheckBox::Grayed);
        EXPECT_EQ(sheet.situation, modsWith({{field, box == &C::Check6 ? 0 : ticked}})) << ticked;
        (sheet.*box).userClick();
        EXPECT_EQ(sheet.situation, modsWith({{field, ticked}})) << ticked;
        (sheet.*box).userClick();
        EXPECT_EQ(sheet.situation, SituationModifiers{});
    }
}

// A shoulder hit counts 4 alone and grays its arm's actuators; a later click on a grayed
// actuator adds its 1; unticking the shoulder clears the arm. The other arm keeps its own.
TEST_F(SituationHandlers, ShoulderOverridesTheActuatorsOfItsArm) {
    struct Arm {
        CheckBox C::*shoulder, C::*upper, C::*lower;
        ModField shoulderMod, upperMod, lowerMod;
    };
    const Arm arms[] = {{&C::dmgShoulder1, &C::dmgUpperAct1, &C::dmgLowerAct1, &S::dmgShoulder1Mod,
                         &S::dmgUpperAct1Mod, &S::dmgLowerAct1Mod},
                        {&C::dmgShoulder2, &C::dmgUpperAct2, &C::dmgLowerAct2, &S::dmgShoulder2Mod,
                         &S::dmgUpperAct2Mod, &S::dmgLowerAct2Mod}};
    for (int i = 0; i < 2; ++i) {
        const Arm &arm = arms[i], &other = arms[1 - i];
        FreshSheet f;
        C& s = f.sheet;
        (s.*other.upper).userClick(), (s.*arm.upper).userClick(), (s.*arm.shoulder).userClick();
        EXPECT_EQ(s.situation, modsWith({{arm.shoulderMod, 4}, {other.upperMod, 1}}));
        EXPECT_EQ((s.*arm.upper).value() + (s.*arm.lower).value(), 2 * CheckBox::Grayed);
        (s.*arm.lower).userClick();
        EXPECT_EQ(s.situation,
                  modsWith({{arm.shoulderMod, 4}, {arm.lowerMod, 1}, {other.upperMod, 1}}));
        (s.*arm.shoulder).userClick();
        EXPECT_EQ(s.situation, modsWith({{other.upperMod, 1}}));
        EXPECT_EQ((s.*arm.upper).value() + (s.*arm.lower).value(), CheckBox::Unticked);
    }
}

// The slider writes the range and ticks "Adjacent Hex" at 1 only; a click on that box is undone
// at once. A prone target gives -2 when adjacent, else 1 (also before the slider first moves),
// and moving the slider re-evaluates a ticked "Prone".
TEST_F(SituationHandlers, RangeAdjacencyAndProne) {
    sheet.tProne0.userClick();
    EXPECT_EQ(sheet.situation, modsWith({{&S::tProneMod, 1}}));
    for (auto [position, adjacent, prone] :
         {std::tuple{1, 1, -2}, {2, 0, 1}, {1, 1, -2}, {3, 0, 1}, {24, 0, 1}}) {
        sheet.Slider1.userMove(position);
        EXPECT_EQ(sheet.tAdjHex0.value(), adjacent) << "at " << position;
        EXPECT_EQ(sheet.situation, modsWith({{&S::tProneMod, prone}})) << "at " << position;
        sheet.tAdjHex0.userClick(), sheet.tProne0.userClick(), sheet.tProne0.userClick();
        EXPECT_EQ(sheet.tAdjHex0.value(), adjacent) << "at " << position;
        EXPECT_EQ(sheet.situation, modsWith({{&S::tProneMod, prone}})) << "at " << position;
        EXPECT_EQ(sheet.range1.text(), std::to_string(position));
    }
    sheet.tProne0.userClick(), sheet.Slider1.userMove(1);
    EXPECT_EQ(sheet.situation, SituationModifiers{});
}

// A woods count above the box's limit or below 0 goes back to "0"; any other text stays.
TEST_F(SituationHandlers, WoodsLimit) {
    const auto LW = &C::hexLW, HW = &C::hexHW;
    const std::tuple<ComboBox C::*, const char*, const char*> cases[] = {
        {LW, "3", "3"}, {LW, "4", "0"}, {LW, "-1", "0"}, {LW, "abc", "abc"}, {LW, "", ""},
        {HW, "2", "2"}, {HW, "3", "0"}, {HW, "-2", "0"}, {HW, "x", "x"},     {HW, "", ""}};
    for (const auto& [box, typed, kept] : cases) {
        (sheet.*box).userType("1"), (sheet.*box).userType(typed);
        EXPECT_EQ((sheet.*box).text(), kept) << '"' << typed << '"';
        EXPECT_EQ(sheet.situation, SituationModifiers{});
    }
    // The lists offer exactly the counts that pass.
    EXPECT_EQ(sheet.hexLW.items(), (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(sheet.hexHW.items(), (std::vector<std::string>{"0", "1", "2"}));
}

} // namespace
