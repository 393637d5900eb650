#include "declare/sheet_driver.h"
#include "declare/sheet_snapshot.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using namespace declare_test;

namespace {

struct DeclarationCase {
    const char* name;
    SheetAction attack;
    std::string expected;
};

void PrintTo(const DeclarationCase& c, std::ostream* out) {
    *out << c.name;
}

class DeclarationText : public testing::TestWithParam<DeclarationCase> {};

// Whatever the box held before, Declare writes the declaration afresh.
TEST_P(DeclarationText, DeclareWritesOneEntryPerTickedRowInRowOrder) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    GetParam().attack(sheet);
    sheet.Text13.userType("left over from the last turn");

    declare(sheet);

    EXPECT_EQ(sheet.Text13.text(), GetParam().expected);
}

const DeclarationCase declarationCases[] = {
    {"NoRowTicked",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "4");
         sheet.Slider1.userMove(5);
         pickWeapon(sheet, 0, "MLaser");
         pickWeapon(sheet, 1, "LRM20");
         calculate(sheet);
     },
     ""},
    {"OnlyRow11TickedHoldingASword",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "5");
         sheet.Slider1.userMove(1);
         pickWeapon(sheet, 11, "Sword", "RA");
         calculate(sheet);
         tickRows(sheet, {11});
     },
     "  Sword@5"},
    {"TickedRowWithoutWeaponAfterCalculate",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "4");
         sheet.Slider1.userMove(5);
         pickWeapon(sheet, 0, "MLaser");
         calculate(sheet);
         tickRows(sheet, {3});
     },
     "  @"},
    {"BeforeAnyCalculation",
     [](CombatSheet& sheet) {
         pickWeapon(sheet, 0, "MLaser");
         tickRows(sheet, {0});
     },
     "  MLaser@"},
    {"BeyondLongRange",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "4");
         sheet.Slider1.userMove(22);
         pickWeapon(sheet, 2, "LRM20");
         calculate(sheet);
         tickRows(sheet, {2});
     },
     "  LRM20@Out of Range"},
    // The new weapon's name with the to-hit of the last calculation: a "PPC" at 5 hexes
    // would be "4", the "MLaser" it replaced was "6".
    {"WeaponChangedAfterCalculate",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "4");
         sheet.Slider1.userMove(5);
         pickWeapon(sheet, 0, "MLaser");
         calculate(sheet);
         pickWeapon(sheet, 0, "PPC");
         tickRows(sheet, {0});
     },
     "  PPC@6"},
    // At 5 hexes the "MLaser" is at medium range (4 + 2) and the "SRM6" in the damaged right
    // arm adds both actuators (4 + 2 + 2). No range leaves an "LRM20" beyond its long range
    // while an "MLaser" is still in reach, so row 2 is calculated with a "SLaser" (long range
    // 3) and its weapon changed afterwards. Ticked out of order: the rows come out in order.
    {"ThreeRowsTickedOutOfOrder",
     [](CombatSheet& sheet) {
         setUpPilot(sheet, "4");
         sheet.Slider1.userMove(5);
         sheet.dmgUpperAct1.userClick();
         sheet.dmgLowerAct1.userClick();
         pickWeapon(sheet, 0, "MLaser", "LT");
         pickWeapon(sheet, 2, "SLaser", "CT");
         pickWeapon(sheet, 5, "SRM6", "RA");
         calculate(sheet);
         pickWeapon(sheet, 2, "LRM20", "CT");
         tickRows(sheet, {5, 2, 0});
     },
     "  MLaser@6  LRM20@Out of Range  SRM6@8"},
    // Only a plain tick declares a row; code could leave a box grayed.
    {"GrayedFireBoxIsNotDeclared",
     [](CombatSheet& sheet) {
         pickWeapon(sheet, 0, "MLaser");
         pickWeapon(sheet, 1, "AC20");
         tickRows(sheet, {0});
         sheet.fireCheck[1].setValue(CheckBox::Grayed);
     },
     "  MLaser@"},
};

INSTANTIATE_TEST_SUITE_P(FireDeclaration, DeclarationText, testing::ValuesIn(declarationCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Weapons in rows 0 to 2 calculated at 5 hexes and rows 0 and 2 ticked.
void prepareDeclaredAttack(CombatSheet& sheet) {
    setUpPilot(sheet, "4");
    sheet.Slider1.userMove(5);
    pickWeapon(sheet, 0, "MLaser");
    pickWeapon(sheet, 1, "PPC");
    pickWeapon(sheet, 2, "LRM20");
    calculate(sheet);
    tickRows(sheet, {0, 2});
}

TEST(FireDeclaration, DeclaringTwiceGivesTheSameTextAndDiscardsEdits) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    prepareDeclaredAttack(sheet);

    declare(sheet);
    const std::string first = sheet.Text13.text();
    sheet.Text13.userType(first + " and a punch");
    declare(sheet);

    EXPECT_EQ(first, "  MLaser@6  LRM20@6");
    EXPECT_EQ(sheet.Text13.text(), first);
}

// Neither the ticks, the to-hit numbers nor "Total Heat" move with a declaration.
TEST(FireDeclaration, DeclareWritesOnlyTheDeclarationBox) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    prepareDeclaredAttack(sheet);
    Snapshot before = snapshot(sheet);

    declare(sheet);

    Snapshot after = snapshot(sheet);
    EXPECT_NE(after["Text13"], before["Text13"]);
    before.erase("Text13");
    after.erase("Text13");
    EXPECT_EQ(after, before);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

TEST(FireDeclarationCopy, PutsTheBoxTextWithTheUsersEditsOnTheClipboardOnce) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    prepareDeclaredAttack(sheet);
    declare(sheet);
    sheet.Text13.userType("  MLaser@6  LRM20@6  Kick@3");

    copy(sheet);

    EXPECT_EQ(fake.clipboard.text, "  MLaser@6  LRM20@6  Kick@3");
    EXPECT_EQ(fake.clipboard.calls, 1);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

// Copy takes the box as it is; it does not declare the ticked rows itself.
TEST(FireDeclarationCopy, EmptyBoxPutsAnEmptyText) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    prepareDeclaredAttack(sheet);
    fake.clipboard.text = "from another program";

    copy(sheet);

    EXPECT_EQ(fake.clipboard.text, "");
    EXPECT_EQ(fake.clipboard.calls, 1);
}

TEST(FireDeclarationCopy, ClipboardThatRefusesLeavesTheSheetAsItWas) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    prepareDeclaredAttack(sheet);
    declare(sheet);
    const Snapshot before = snapshot(sheet);
    fake.clipboard.failing = true;

    copy(sheet);

    EXPECT_EQ(snapshot(sheet), before);
    EXPECT_EQ(fake.clipboard.calls, 1);
    EXPECT_FALSE(fake.clipboard.text.has_value());
    EXPECT_TRUE(fake.messageBox.shown.empty());

    fake.clipboard.failing = false;
    copy(sheet);
    EXPECT_EQ(fake.clipboard.text, "  MLaser@6  LRM20@6");
}

class ThrowingClipboard : public platform::Clipboard {
public:
    bool setText(const std::string&) override {
        ++calls;
        throw std::runtime_error("the clipboard is held by another program");
    }
    int calls = 0;
};

TEST(FireDeclarationCopy, ClipboardThatThrowsLeavesTheSheetAsItWas) {
    FakePlatform fake;
    ThrowingClipboard clipboard;
    platform::PlatformServices services{fake.messageBox, fake.windows, clipboard, fake.registry,
                                        fake.launcher,   fake.files,   fake.help};
    CombatSheet sheet(services);
    prepareDeclaredAttack(sheet);
    declare(sheet);
    const Snapshot before = snapshot(sheet);

    EXPECT_NO_THROW(copy(sheet));

    EXPECT_EQ(clipboard.calls, 1);
    EXPECT_EQ(snapshot(sheet), before);
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

} // namespace
