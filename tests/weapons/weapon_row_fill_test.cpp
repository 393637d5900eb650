#include "weapons/weapon_row_fill.h"

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "weapons/weapon_pick.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// The five texts and the heat of one row.
struct RowFigures {
    std::string minRange, sRange, mRange, lRange, damage;
    int heat;
    bool operator==(const RowFigures&) const = default;
};

std::ostream& operator<<(std::ostream& out, const RowFigures& f) {
    return out << '{' << f.minRange << ',' << f.sRange << ',' << f.mRange << ',' << f.lRange << ','
               << f.damage << ",heat " << f.heat << '}';
}

const RowFigures Untouched{"", "", "", "", "", 0};

class WeaponRowFill : public testing::Test {
protected:
    RowFigures row(int i) const {
        return {sheet.minRange[i].text(), sheet.sRange[i].text(), sheet.mRange[i].text(),
                sheet.lRange[i].text(),   sheet.Damage[i].text(), sheet.weapHeat[i]};
    }

    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

TEST_F(WeaponRowFill, APickRewritesEveryRowHoldingAWeaponAndNoOther) {
    pickWeapon(sheet, 0, "LLaser");
    pickWeapon(sheet, 3, "PPC");
    // The user overwrites figures of filled rows and types into a row without a weapon.
    sheet.sRange[0].userType("99");
    sheet.minRange[3].userType("7");
    sheet.lRange[5].userType("12");

    pickWeapon(sheet, 7, "LRM20");

    EXPECT_EQ(row(0), (RowFigures{"0", "5", "10", "15", "8", 8}));
    EXPECT_EQ(row(3), (RowFigures{"3", "6", "12", "18", "10", 10}));
    EXPECT_EQ(row(7), (RowFigures{"6", "7", "14", "21", "1/missle", 6}));
    EXPECT_EQ(row(5), (RowFigures{"", "", "", "12", "", 0}));
    for (int i : {1, 2, 4, 6, 8, 9, 10, 11}) {
        EXPECT_EQ(row(i), Untouched) << "row " << i;
    }
}

TEST_F(WeaponRowFill, ARowNeverPickedStaysEmptyThroughPicksElsewhere) {
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        if (i != 4) {
            pickWeapon(sheet, i, "AC20");
        }
    }
    EXPECT_EQ(row(4), Untouched);
    EXPECT_EQ(row(11), (RowFigures{"0", "3", "6", "9", "20", 7}));
}

TEST_F(WeaponRowFill, HatchetReplacesAnAutocannon) {
    pickWeapon(sheet, 2, "AC20");
    ASSERT_EQ(row(2), (RowFigures{"0", "3", "6", "9", "20", 7}));
    pickWeapon(sheet, 2, "Hatchet");
    EXPECT_EQ(row(2), (RowFigures{"0", "1", "1", "1", "varies", 0}));
}

TEST_F(WeaponRowFill, PickingTheShownWeaponAgainRestoresEditedFigures) {
    pickWeapon(sheet, 1, "MLaser");
    sheet.sRange[1].userType("8");
    sheet.minRange[1].userType("");
    pickWeapon(sheet, 1, "MLaser");
    EXPECT_EQ(row(1), (RowFigures{"0", "3", "6", "9", "5", 3}));
}

TEST_F(WeaponRowFill, LeavesLocationResultAndFireBoxAlone) {
    sheet.weapLoc[0].userPick(0);
    sheet.toHit[0].setText("7");
    sheet.fireCheck[0].userClick();
    pickWeapon(sheet, 0, "SRM6");
    EXPECT_EQ(sheet.weapLoc[0].text(), "RA");
    EXPECT_EQ(sheet.toHit[0].text(), "7");
    EXPECT_EQ(sheet.fireCheck[0].value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.Damage[0].text(), "2/missle");
}

// The technology base is taken at the moment of a pick; switching it changes nothing until
// the next pick in any row.
TEST_F(WeaponRowFill, TechnologyBaseShowsOnlyAtTheNextPick) {
    sheet.Option2.userClick();
    ASSERT_EQ(sheet.techBase, 2) << "the setup panel sets the technology base";
    pickWeapon(sheet, 0, "erPPC");
    pickWeapon(sheet, 1, "PPC");
    pickWeapon(sheet, 2, "LB-20X AC");
    EXPECT_EQ(sheet.Damage[0].text(), "15");
    EXPECT_EQ(row(2), (RowFigures{"0", "2", "4", "6", "20", 2}));
    RowFigures ppc = row(1);

    sheet.Option1.userClick();
    ASSERT_EQ(sheet.techBase, 1);
    EXPECT_EQ(sheet.Damage[0].text(), "15");
    EXPECT_EQ(row(2), (RowFigures{"0", "2", "4", "6", "20", 2}));

    pickWeapon(sheet, 9, "MG");
    EXPECT_EQ(sheet.Damage[0].text(), "10");
    EXPECT_EQ(row(2), (RowFigures{"0", "4", "8", "12", "20", 6}));
    EXPECT_EQ(row(1), ppc);
}

TEST_F(WeaponRowFill, SheetsFillOnlyTheirOwnRows) {
    FakePlatform otherFake;
    CombatSheet other(otherFake.services);
    pickWeapon(sheet, 0, "Sword");
    EXPECT_EQ(other.Damage[0].text(), "");
    EXPECT_EQ(other.weapHeat[0], 0);
}

} // namespace
