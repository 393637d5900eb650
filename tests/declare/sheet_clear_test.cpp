#include "declare/sheet_driver.h"
#include "declare/sheet_snapshot.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using namespace declare_test;

namespace {

// What stays from turn to turn: pilot, weapons, damage and range.
void fitOutMech(CombatSheet& sheet, int range) {
    setUpPilot(sheet, "4");
    pickWeapon(sheet, 0, "MLaser", "RA");
    pickWeapon(sheet, 1, "MPLaser", "LA");
    pickWeapon(sheet, 2, "LRM20", "CT");
    pickWeapon(sheet, 3, "SLaser", "LT");
    sheet.dmgSensor1.userClick();
    sheet.dmgShoulder1.userClick();
    sheet.Slider1.userMove(range);
}

// An attack of the moment on every situation control Clear resets, fired and declared.
void playBusyAttack(CombatSheet& sheet) {
    sheet.aMove3.userClick();
    sheet.aHeat2.userClick();
    sheet.aProne1.userClick();
    sheet.aWater1.userClick();
    sheet.tMove3.userClick();
    sheet.tJump0.userClick();
    sheet.tImmobile0.userClick();
    sheet.tProne0.userClick();
    sheet.tWater0.userClick();
    sheet.hexLW.userType("2");
    sheet.hexHW.userType("1");
    calculate(sheet);
    sheet.Check1.userClick();
    tickRows(sheet, {7});
    calculate(sheet);
    declare(sheet);
}

std::array<std::string, WEAPON_ROWS> toHitColumn(const CombatSheet& sheet) {
    std::array<std::string, WEAPON_ROWS> column;
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        column[row] = sheet.toHit[row].text();
    }
    return column;
}

TEST(SheetClear, TargetLeavesTheWaterAndItsCover) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    fitOutMech(sheet, 5);
    sheet.tWater0.userClick();
    ASSERT_EQ(sheet.tPartial0.value(), CheckBox::Ticked);
    ASSERT_EQ(sheet.situation.tWaterMod, -1);

    clear(sheet);

    EXPECT_TRUE(sheet.tOpenHex0.selected());
    EXPECT_FALSE(sheet.tWater0.selected());
    EXPECT_EQ(sheet.tPartial0.value(), CheckBox::Unticked);
    EXPECT_EQ(sheet.situation.tWaterMod, 0);
    EXPECT_EQ(sheet.situation.tPartialMod, 0);
}

TEST(SheetClear, DamageStaysWithItsModifiers) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    fitOutMech(sheet, 5);
    sheet.dmgUpperAct2.userClick();
    playBusyAttack(sheet);

    clear(sheet);

    EXPECT_EQ(sheet.dmgSensor1.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.dmgShoulder1.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.dmgUpperAct1.value(), CheckBox::Grayed);
    EXPECT_EQ(sheet.dmgLowerAct1.value(), CheckBox::Grayed);
    EXPECT_EQ(sheet.dmgUpperAct2.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.situation.dmgSensorMod, 2);
    EXPECT_EQ(sheet.situation.dmgShoulder1Mod, 4);
    EXPECT_EQ(sheet.situation.dmgUpperAct1Mod, 0);
    EXPECT_EQ(sheet.situation.dmgLowerAct1Mod, 0);
    EXPECT_EQ(sheet.situation.dmgUpperAct2Mod, 1);
}

// Range 1 is the adjacent hex: "Adjacent Hex" stays ticked with the range.
TEST(SheetClear, RangeStays) {
    for (int range : {1, 7, 24}) {
        SCOPED_TRACE(range);
        FakePlatform fake;
        CombatSheet sheet(fake.services);
        fitOutMech(sheet, range);
        const int adjacent = sheet.tAdjHex0.value();
        playBusyAttack(sheet);

        clear(sheet);

        EXPECT_EQ(sheet.Slider1.position(), range);
        EXPECT_EQ(sheet.range1.text(), std::to_string(range));
        EXPECT_EQ(sheet.tAdjHex0.value(), adjacent);
        EXPECT_EQ(sheet.tAdjHex0.value(), range == 1 ? CheckBox::Ticked : CheckBox::Unticked);
    }
}

TEST(SheetClear, ClearSheetStaysAsItIs) {
    FakePlatform fake;
    CombatSheet fresh(fake.services);
    const Snapshot opened = snapshot(fresh);
    clear(fresh);
    EXPECT_EQ(snapshot(fresh), opened);

    CombatSheet fitted(fake.services);
    fitOutMech(fitted, 5);
    const Snapshot ready = snapshot(fitted);
    clear(fitted);
    EXPECT_EQ(snapshot(fitted), ready);

    playBusyAttack(fitted);
    clear(fitted);
    const Snapshot cleared = snapshot(fitted);
    clear(fitted);
    EXPECT_EQ(snapshot(fitted), cleared);
}

TEST(SheetClear, DeclareRightAfterClearIsEmpty) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    fitOutMech(sheet, 5);
    playBusyAttack(sheet);
    ASSERT_FALSE(sheet.Text13.text().empty());

    clear(sheet);
    declare(sheet);

    EXPECT_EQ(sheet.Text13.text(), "");
}

// Only the attack of the moment goes: every other value of the sheet, the setup, the
// weapon rows, the damage, the range and the last calculation's working values, stays.
TEST(SheetClear, TouchesOnlyResultsTicksAndTheConditionsOfTheMoment) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    sheet.mechName.userType("Wolfhound");
    sheet.pilotName.userType("Kell");
    sheet.Option2.userClick();
    sheet.Check6.userClick();
    sheet.Check2.userClick();
    pick(sheet.pilotSkill, "5");
    fitOutMech(sheet, 5);
    pickWeapon(sheet, 4, "LB-10X AC", "LA");
    sheet.dmgShoulder2.userClick();
    sheet.dmgUpperAct2.userClick();
    sheet.minRange[3].userType("1");
    playBusyAttack(sheet);
    sheet.Text13.userType("  edited by hand");
    sheet.mnuEdit.userClick();
    Snapshot before = snapshot(sheet);

    clear(sheet);

    Snapshot after = snapshot(sheet);
    const char* const resetPrefixes[] = {"Text13",
                                         "Text12",
                                         "toHit[",
                                         "fireCheck[",
                                         "Check1",
                                         "aMove",
                                         "aHeat",
                                         "aProne1",
                                         "aWater1",
                                         "tMove",
                                         "tJump0",
                                         "tPartial0",
                                         "tProne0",
                                         "tImmobile0",
                                         "tOpenHex0",
                                         "tLW0",
                                         "tHW0",
                                         "tWater0",
                                         "hexLW",
                                         "hexHW",
                                         "situation.aMoveMod",
                                         "situation.aHeatMod",
                                         "situation.aProneMod",
                                         "situation.aWaterMod",
                                         "situation.tMoveMod",
                                         "situation.tJumpMod",
                                         "situation.tPartialMod",
                                         "situation.tProneMod",
                                         "situation.tImmobileMod",
                                         "situation.tHeavyWoodsMod",
                                         "situation.tLightWoodsMod",
                                         "situation.tWaterMod"};
    for (const char* prefix : resetPrefixes) {
        before = without(std::move(before), prefix);
        after = without(std::move(after), prefix);
    }
    EXPECT_EQ(after, before);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

// Clear only sets controls; the modifiers must follow through the controls' own handlers.
// A sheet freshly opened and given the same Mech, damage and range is the reference: after
// Clear nothing but the last calculation's working values may tell the two apart.
void expectClearedLikeFreshSheet(const SheetAction& attack) {
    FakePlatform fake;
    CombatSheet reference(fake.services);
    fitOutMech(reference, 5);
    CombatSheet sheet(fake.services);
    fitOutMech(sheet, 5);
    attack(sheet);
    calculate(sheet);
    sheet.Check1.userClick();
    declare(sheet);
    ASSERT_NE(sheet.situation, reference.situation) << "the attack changed no modifier";

    clear(sheet);

    EXPECT_EQ(sheet.situation, reference.situation);
    EXPECT_EQ(without(snapshot(sheet), "calculation."),
              without(snapshot(reference), "calculation."));
}

struct ModifierCase {
    const char* name;
    std::int16_t SituationModifiers::*field;
    SheetAction setField;
};

void PrintTo(const ModifierCase& c, std::ostream* out) {
    *out << c.name;
}

class SheetClearModifier : public testing::TestWithParam<ModifierCase> {};

// One case per modifier Clear resets, each on its own, so that a modifier forgotten by a
// Clear that wrote the modifiers directly shows up by name.
TEST_P(SheetClearModifier, IsResetThroughItsControl) {
    const ModifierCase& c = GetParam();
    expectClearedLikeFreshSheet([&c](CombatSheet& sheet) {
        c.setField(sheet);
        ASSERT_NE(sheet.situation.*c.field, 0) << "the attack did not set " << c.name;
    });
}

const ModifierCase modifierCases[] = {
    {"aMoveMod", &SituationModifiers::aMoveMod, [](CombatSheet& s) { s.aMove2.userClick(); }},
    {"aHeatMod", &SituationModifiers::aHeatMod, [](CombatSheet& s) { s.aHeat4.userClick(); }},
    {"aProneMod", &SituationModifiers::aProneMod, [](CombatSheet& s) { s.aProne1.userClick(); }},
    {"aWaterMod", &SituationModifiers::aWaterMod, [](CombatSheet& s) { s.aWater1.userClick(); }},
    {"tMoveMod", &SituationModifiers::tMoveMod, [](CombatSheet& s) { s.tMove1.userClick(); }},
    {"tJumpMod", &SituationModifiers::tJumpMod, [](CombatSheet& s) { s.tJump0.userClick(); }},
    {"tPartialMod", &SituationModifiers::tPartialMod,
     [](CombatSheet& s) { s.tPartial0.userClick(); }},
    {"tProneMod", &SituationModifiers::tProneMod, [](CombatSheet& s) { s.tProne0.userClick(); }},
    {"tImmobileMod", &SituationModifiers::tImmobileMod,
     [](CombatSheet& s) { s.tImmobile0.userClick(); }},
    {"tHeavyWoodsMod", &SituationModifiers::tHeavyWoodsMod,
     [](CombatSheet& s) { s.tHW0.userClick(); }},
    {"tLightWoodsMod", &SituationModifiers::tLightWoodsMod,
     [](CombatSheet& s) { s.tLW0.userClick(); }},
    {"tWaterMod", &SituationModifiers::tWaterMod, [](CombatSheet& s) { s.tWater0.userClick(); }},
};

INSTANTIATE_TEST_SUITE_P(SheetClear, SheetClearModifier, testing::ValuesIn(modifierCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AttackCase {
    const char* name;
    SheetAction attack;
};

void PrintTo(const AttackCase& c, std::ostream* out) {
    *out << c.name;
}

class SheetClearAttack : public testing::TestWithParam<AttackCase> {};

TEST_P(SheetClearAttack, EndsLikeAFreshSheetWithTheSameMech) {
    expectClearedLikeFreshSheet(GetParam().attack);
}

const AttackCase attackCases[] = {
    {"BusyAttack", playBusyAttack},
    // The water ticks "Partial Cover", and leaving the water does not untick it.
    {"WaterThenOpenHex",
     [](CombatSheet& s) {
         s.tWater0.userClick();
         s.tOpenHex0.userClick();
     }},
    // A prone target at the adjacent hex keeps its -2 when the range moves back out.
    {"ProneWhileAdjacentThenRangeMoved",
     [](CombatSheet& s) {
         s.Slider1.userMove(1);
         s.tProne0.userClick();
         s.Slider1.userMove(5);
     }},
    {"HeavyWoodsAllRound",
     [](CombatSheet& s) {
         s.tHW0.userClick();
         s.hexLW.userType("3");
         s.hexHW.userType("2");
         s.tMove4.userClick();
     }},
    {"WoodsBoxesHoldingNoNumber",
     [](CombatSheet& s) {
         s.hexLW.userType("");
         s.hexHW.userType("x");
         s.aHeat1.userClick();
     }},
};

INSTANTIATE_TEST_SUITE_P(SheetClear, SheetClearAttack, testing::ValuesIn(attackCases),
                         [](const auto& info) { return std::string(info.param.name); });

// At 5 hexes, skill 4, sensors hit (+2), right shoulder hit (+4 to "RA"):
// "MLaser" in "RA", medium range: 4 + 2 + 4 + 2;
// "MPLaser" in "LA", long range, pulse: 4 + 4 - 2 + 2;
// "LRM20" inside its minimum range 6: 4 + (6 + 1 - 5) + 2;
// "SLaser" reaches 3 hexes.
TEST(SheetClear, CalculateAfterClearGivesTheDefaultSituationPlusTheDamage) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    fitOutMech(sheet, 5);
    playBusyAttack(sheet);
    const auto busy = toHitColumn(sheet);

    clear(sheet);
    EXPECT_EQ(toHitColumn(sheet), (std::array<std::string, WEAPON_ROWS>{}));
    calculate(sheet);

    const std::array<std::string, WEAPON_ROWS> expected{"12", "8", "8", "Out of Range"};
    EXPECT_EQ(toHitColumn(sheet), expected);
    EXPECT_NE(busy, expected);
    CombatSheet reference(fake.services);
    fitOutMech(reference, 5);
    calculate(reference);
    EXPECT_EQ(toHitColumn(reference), expected);
}

} // namespace
