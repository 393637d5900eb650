#include "app/sheet_fixture.h"
#include "weapons/weapon_pick.h"

#include <map>
#include <string>

namespace {

using WeaponRowFill = SheetTest;

// A row's five texts and its heat.
std::string row(const CombatSheet& s, int i) {
    std::string texts;
    for (auto* column : {&s.minRange, &s.sRange, &s.mRange, &s.lRange, &s.Damage}) {
        texts += (*column)[i].text() + ' ';
    }
    return texts + std::to_string(s.weapHeat[i]);
}

// A pick in any row rewrites every row holding a weapon, user edits included, and no other.
TEST_F(WeaponRowFill, APickRewritesEveryRowHoldingAWeaponAndNoOther) {
    pickWeapon(sheet, 0, "LLaser"), pickWeapon(sheet, 3, "PPC");
    sheet.sRange[0].userType("99"), sheet.lRange[5].userType("12");
    pickWeapon(sheet, 7, "LRM20");
    const std::map<int, std::string> filled = {
        {0, "0 5 10 15 8 8"}, {3, "3 6 12 18 10 10"}, {5, "   12  0"}, {7, "6 7 14 21 1/missle 6"}};
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        EXPECT_EQ(row(sheet, i), filled.count(i) ? filled.at(i) : "     0") << "row " << i;
    }
}

// A new pick replaces the row's figures; a new technology base shows only at the next pick.
TEST_F(WeaponRowFill, APickTakesTheWeaponAndBaseOfThatMoment) {
    pickWeapon(sheet, 2, "AC20"), pickWeapon(sheet, 2, "Hatchet");
    EXPECT_EQ(row(sheet, 2), "0 1 1 1 varies 0");
    sheet.Option2.userClick(), pickWeapon(sheet, 0, "erPPC");
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 15 15");
    sheet.Option1.userClick();
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 15 15");
    pickWeapon(sheet, 9, "MG");
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 10 15");
}

} // namespace
