#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

namespace {

using Field = std::int16_t SituationModifiers::*;
using Option = OptionButton CombatSheet::*;
using Box = CheckBox CombatSheet::*;

struct FieldValue {
    Field field;
    std::int16_t value;
};

// The whole set of modifiers expected: a fresh sheet's zeros with the given fields changed,
// so that a handler writing a field it does not own is caught too.
SituationModifiers expected(const std::vector<FieldValue>& changes) {
    SituationModifiers modifiers;
    for (const FieldValue& change : changes) {
        modifiers.*change.field = change.value;
    }
    return modifiers;
}

class SituationTable : public testing::Test {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

// Option buttons: the buttons are clicked in turn; the last one decides the fields. A button
// that starts selected is reached from another one of its group.
struct OptionCase {
    const char* name;
    std::vector<Option> clicks;
    std::vector<FieldValue> fields;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name;
}

class OptionTable : public SituationTable, public testing::WithParamInterface<OptionCase> {};

TEST_P(OptionTable, SelectionSetsItsFields) {
    for (Option option : GetParam().clicks) {
        (sheet.*option).userClick();
    }
    EXPECT_TRUE((sheet.*GetParam().clicks.back()).selected());
    EXPECT_EQ(sheet.situation, expected(GetParam().fields));
}

using S = SituationModifiers;
using C = CombatSheet;

INSTANTIATE_TEST_SUITE_P(
    Situation, OptionTable,
    testing::Values(
        OptionCase{"Stationary", {&C::aMove4, &C::aMove1}, {}},
        OptionCase{"Walked", {&C::aMove2}, {{&S::aMoveMod, 1}}},
        OptionCase{"Ran", {&C::aMove3}, {{&S::aMoveMod, 2}}},
        OptionCase{"Jumped", {&C::aMove4}, {{&S::aMoveMod, 3}}},
        OptionCase{"JumpedThenWalked", {&C::aMove4, &C::aMove2}, {{&S::aMoveMod, 1}}},
        OptionCase{"Heat0to7", {&C::aHeat4, &C::aHeat0}, {}},
        OptionCase{"Heat8to12", {&C::aHeat1}, {{&S::aHeatMod, 1}}},
        OptionCase{"Heat13to16", {&C::aHeat2}, {{&S::aHeatMod, 2}}},
        OptionCase{"Heat17to23", {&C::aHeat3}, {{&S::aHeatMod, 3}}},
        OptionCase{"Heat24up", {&C::aHeat4}, {{&S::aHeatMod, 4}}},
        OptionCase{"TargetMoved0to2", {&C::tMove4, &C::tMove0}, {}},
        OptionCase{"TargetMoved3to4", {&C::tMove1}, {{&S::tMoveMod, 1}}},
        OptionCase{"TargetMoved5to6", {&C::tMove2}, {{&S::tMoveMod, 2}}},
        OptionCase{"TargetMoved7to9", {&C::tMove3}, {{&S::tMoveMod, 3}}},
        OptionCase{"TargetMoved10up", {&C::tMove4}, {{&S::tMoveMod, 4}}},
        OptionCase{"LightWoods", {&C::tLW0}, {{&S::tLightWoodsMod, 1}}},
        OptionCase{"HeavyWoods", {&C::tHW0}, {{&S::tHeavyWoodsMod, 2}}},
        OptionCase{"HeavyThenLightWoods", {&C::tHW0, &C::tLW0}, {{&S::tLightWoodsMod, 1}}},
        OptionCase{"LightThenHeavyWoods", {&C::tLW0, &C::tHW0}, {{&S::tHeavyWoodsMod, 2}}},
        OptionCase{"WoodsThenOpen", {&C::tHW0, &C::tOpenHex0}, {}},
        OptionCase{"Water", {&C::tWater0}, {{&S::tWaterMod, -1}, {&S::tPartialMod, 3}}},
        OptionCase{
            "WoodsThenWater", {&C::tLW0, &C::tWater0}, {{&S::tWaterMod, -1}, {&S::tPartialMod, 3}}},
        OptionCase{"WaterThenHeavyWoods",
                   {&C::tWater0, &C::tHW0},
                   {{&S::tHeavyWoodsMod, 2}, {&S::tPartialMod, 3}}},
        OptionCase{"WaterThenOpen", {&C::tWater0, &C::tOpenHex0}, {{&S::tPartialMod, 3}}},
        OptionCase{
            "GroupsAreIndependent",
            {&C::aMove3, &C::aHeat2, &C::tMove1, &C::tLW0},
            {{&S::aMoveMod, 2}, {&S::aHeatMod, 2}, {&S::tMoveMod, 1}, {&S::tLightWoodsMod, 1}}}),
    [](const testing::TestParamInfo<OptionCase>& info) { return info.param.name; });

// Check boxes with an "on" value: ticked and grayed give it, unticked gives 0.
struct BoxCase {
    const char* name;
    Box box;
    Field field;
    std::int16_t onValue;
};

void PrintTo(const BoxCase& c, std::ostream* os) {
    *os << c.name;
}

class BoxTable : public SituationTable, public testing::WithParamInterface<BoxCase> {
protected:
    CheckBox& box() { return sheet.*GetParam().box; }
    std::int16_t field() const { return sheet.situation.*GetParam().field; }
};

TEST_P(BoxTable, TickGivesTheOnValueAndUntickGivesZero) {
    box().userClick();
    EXPECT_EQ(sheet.situation, expected({{GetParam().field, GetParam().onValue}}));
    box().userClick();
    EXPECT_EQ(sheet.situation, SituationModifiers{});
}

TEST_P(BoxTable, GrayedCountsAsOn) {
    box().setValue(CheckBox::Grayed);
    EXPECT_EQ(field(), GetParam().onValue);
    box().userClick(); // grayed -> ticked
    EXPECT_EQ(field(), GetParam().onValue);
    box().setValue(CheckBox::Unticked);
    EXPECT_EQ(field(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Situation, BoxTable,
    testing::Values(BoxCase{"AttackerProne", &C::aProne1, &S::aProneMod, 2},
                    BoxCase{"AttackerInWater", &C::aWater1, &S::aWaterMod, 1},
                    BoxCase{"Sensors", &C::dmgSensor1, &S::dmgSensorMod, 2},
                    BoxCase{"RightUpperActuator", &C::dmgUpperAct1, &S::dmgUpperAct1Mod, 1},
                    BoxCase{"RightLowerActuator", &C::dmgLowerAct1, &S::dmgLowerAct1Mod, 1},
                    BoxCase{"LeftUpperActuator", &C::dmgUpperAct2, &S::dmgUpperAct2Mod, 1},
                    BoxCase{"LeftLowerActuator", &C::dmgLowerAct2, &S::dmgLowerAct2Mod, 1},
                    BoxCase{"TargetJumped", &C::tJump0, &S::tJumpMod, 1},
                    BoxCase{"TargetImmobile", &C::tImmobile0, &S::tImmobileMod, -4},
                    BoxCase{"PartialCover", &C::tPartial0, &S::tPartialMod, 3}),
    [](const testing::TestParamInfo<BoxCase>& info) { return info.param.name; });

TEST_F(SituationTable, ClusterMunitionsOnlyForAPlainTick) {
    sheet.Check6.userClick();
    EXPECT_EQ(sheet.situation, expected({{&S::clusterMunitions, 1}}));
    sheet.Check6.setValue(CheckBox::Grayed);
    EXPECT_EQ(sheet.situation.clusterMunitions, 0);
    sheet.Check6.userClick(); // grayed -> ticked
    EXPECT_EQ(sheet.situation.clusterMunitions, 1);
    sheet.Check6.userClick();
    EXPECT_EQ(sheet.situation, SituationModifiers{});
}

TEST_F(SituationTable, ModifiersAddUpAcrossControls) {
    sheet.aMove3.userClick();
    sheet.aHeat4.userClick();
    sheet.dmgSensor1.userClick();
    sheet.tImmobile0.userClick();
    sheet.tJump0.userClick();
    EXPECT_EQ(sheet.situation, expected({{&S::aMoveMod, 2},
                                         {&S::aHeatMod, 4},
                                         {&S::dmgSensorMod, 2},
                                         {&S::tImmobileMod, -4},
                                         {&S::tJumpMod, 1}}));
    sheet.tImmobile0.userClick();
    EXPECT_EQ(sheet.situation.tImmobileMod, 0);
    EXPECT_EQ(sheet.situation.aHeatMod, 4);
}

} // namespace
