#include "declare/sheet_driver.h"
#include "declare/sheet_snapshot.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <vector>

using namespace declare_test;

namespace {

const char* const someWeapons[] = {"MLaser", "LRM20", "Sword", "PPC", "AC20"};

struct SelectAllCase {
    const char* name;
    std::vector<int> weaponRows;
    std::vector<int> minEmptiedByUser;
    bool selectAllFirst; // "Check1" ticked before the hand ticks
    std::vector<int> handTicks;
    std::set<int> expectedTicked; // after the last click on "Check1"
    int expectedCheck1;
};

void PrintTo(const SelectAllCase& c, std::ostream* out) {
    *out << c.name;
}

std::set<int> tickedRows(const CombatSheet& sheet) {
    std::set<int> rows;
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        if (sheet.fireCheck[row].value() != CheckBox::Unticked) {
            rows.insert(static_cast<int>(row));
        }
    }
    return rows;
}

class SelectAll : public testing::TestWithParam<SelectAllCase> {};

TEST_P(SelectAll, ClickOnCheck1SetsEveryFireBox) {
    const SelectAllCase& c = GetParam();
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    for (std::size_t i = 0; i < c.weaponRows.size(); ++i) {
        pickWeapon(sheet, c.weaponRows[i], someWeapons[i % std::size(someWeapons)]);
    }
    for (int row : c.minEmptiedByUser) {
        sheet.minRange[static_cast<std::size_t>(row)].userType("");
    }
    if (c.selectAllFirst) {
        sheet.Check1.userClick();
    }
    for (int row : c.handTicks) {
        sheet.fireCheck[static_cast<std::size_t>(row)].userClick();
    }

    sheet.Check1.userClick();

    EXPECT_EQ(sheet.Check1.value(), c.expectedCheck1);
    EXPECT_EQ(tickedRows(sheet), c.expectedTicked);
}

const SelectAllCase selectAllCases[] = {
    {"TicksRowsWithWeaponsAndDropsHandTicks", {0, 1, 2}, {}, false, {4, 9}, {0, 1, 2}, 1},
    {"RowWhoseMinTheUserEmptiedIsNotTicked", {0, 1, 2}, {1}, false, {}, {0, 2}, 1},
    {"WithoutWeaponsTicksNothing", {}, {}, false, {3, 11}, {}, 1},
    {"WeaponsAnywhereInTheColumn", {11, 0, 6}, {}, false, {}, {0, 6, 11}, 1},
    {"UntickingUnticksAllTwelve", {0, 1, 2}, {}, true, {4, 9, 11}, {}, 0},
    {"UntickingAfterAHandUntickStillUnticksAll", {0, 1, 2}, {}, true, {1}, {}, 0},
};

INSTANTIATE_TEST_SUITE_P(FireDeclaration, SelectAll, testing::ValuesIn(selectAllCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FireDeclarationSelectAll, IsAOneOffActionNotAMode) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    pickWeapon(sheet, 0, "MLaser");
    pickWeapon(sheet, 1, "PPC");
    sheet.Check1.userClick();

    pickWeapon(sheet, 6, "LRM20");
    sheet.fireCheck[0].userClick();

    EXPECT_EQ(tickedRows(sheet), (std::set<int>{1}));
    EXPECT_EQ(sheet.Check1.value(), CheckBox::Ticked);
}

// Code that sets the box runs the same handler as the user's click; any value but 0 ticks.
TEST(FireDeclarationSelectAll, RunsWhenCodeSetsTheBox) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    pickWeapon(sheet, 3, "MLaser");
    pickWeapon(sheet, 7, "AC20");

    sheet.Check1.setValue(CheckBox::Ticked);
    EXPECT_EQ(tickedRows(sheet), (std::set<int>{3, 7}));

    sheet.fireCheck[3].userClick();
    sheet.Check1.setValue(CheckBox::Grayed);
    EXPECT_EQ(tickedRows(sheet), (std::set<int>{3, 7}));
    EXPECT_EQ(sheet.fireCheck[3].value(), CheckBox::Ticked);

    sheet.Check1.setValue(CheckBox::Unticked);
    EXPECT_EQ(tickedRows(sheet), std::set<int>{});
}

// "Total Heat", the to-hit numbers and the declaration wait for the next Calculate and
// Declare.
TEST(FireDeclarationSelectAll, WritesOnlyTheFireBoxes) {
    FakePlatform fake;
    CombatSheet sheet(fake.services);
    setUpPilot(sheet, "4");
    sheet.Slider1.userMove(5);
    pickWeapon(sheet, 0, "MLaser");
    pickWeapon(sheet, 1, "PPC");
    tickRows(sheet, {0});
    calculate(sheet);
    declare(sheet);
    Snapshot before = snapshot(sheet);

    sheet.Check1.userClick();

    Snapshot after = snapshot(sheet);
    EXPECT_EQ(after["fireCheck[1]"], "1");
    for (Snapshot* values : {&before, &after}) {
        *values = without(std::move(*values), "fireCheck[");
        values->erase("Check1");
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(after["Text12"], "3");
    EXPECT_EQ(after["Text13"], "  MLaser@6");
}

} // namespace
