#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class FreshSheet : public testing::Test {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

std::vector<std::string> numbers(int first, int last) {
    std::vector<std::string> texts;
    for (int n = first; n <= last; ++n) {
        texts.push_back(std::to_string(n));
    }
    return texts;
}

TEST_F(FreshSheet, OpensInTheSetupPresentationUnderItsOwnName) {
    EXPECT_EQ(sheet.title(), "Vexolan");
    EXPECT_TRUE(sheet.Setup.visible());
    EXPECT_FALSE(sheet.Frame1.visible());
    EXPECT_TRUE(sheet.Frame4.visible());
    EXPECT_TRUE(sheet.Frame9.visible());
    EXPECT_EQ(sheet.techBase, 1);
    EXPECT_EQ(fake.windows.sheetsOpened, 0);
}

TEST_F(FreshSheet, AllModifiersAreZero) {
    EXPECT_EQ(sheet.situation, SituationModifiers{});
    for (std::int16_t heat : sheet.weapHeat) {
        EXPECT_EQ(heat, 0);
    }
}

TEST_F(FreshSheet, OptionGroupsStartOnTheirFirstButton) {
    EXPECT_EQ(sheet.techBaseGroup.selected(), &sheet.Option1);
    EXPECT_EQ(sheet.aMoveGroup.selected(), &sheet.aMove1);
    EXPECT_EQ(sheet.aHeatGroup.selected(), &sheet.aHeat0);
    EXPECT_EQ(sheet.tMoveGroup.selected(), &sheet.tMove0);
    EXPECT_EQ(sheet.tPositionGroup.selected(), &sheet.tOpenHex0);
    EXPECT_EQ(sheet.techBaseGroup.buttons().size(), 2u);
    EXPECT_EQ(sheet.aMoveGroup.buttons().size(), 4u);
    EXPECT_EQ(sheet.aHeatGroup.buttons().size(), 5u);
    EXPECT_EQ(sheet.tMoveGroup.buttons().size(), 5u);
    EXPECT_EQ(sheet.tPositionGroup.buttons().size(), 4u);
}

TEST_F(FreshSheet, EveryCheckBoxIsUntickedExceptAdjacentHexWhichIsGrayed) {
    const CheckBox* unticked[] = {
        &sheet.Check2,       &sheet.Check3,       &sheet.Check4,       &sheet.Check5,
        &sheet.Check6,       &sheet.Check7,       &sheet.aProne1,      &sheet.aWater1,
        &sheet.dmgSensor1,   &sheet.dmgShoulder1, &sheet.dmgUpperAct1, &sheet.dmgLowerAct1,
        &sheet.dmgShoulder2, &sheet.dmgUpperAct2, &sheet.dmgLowerAct2, &sheet.tJump0,
        &sheet.tPartial0,    &sheet.tProne0,      &sheet.tImmobile0,   &sheet.Check1};
    for (const CheckBox* box : unticked) {
        EXPECT_EQ(box->value(), CheckBox::Unticked);
    }
    for (const CheckBox& box : sheet.fireCheck) {
        EXPECT_EQ(box.value(), CheckBox::Unticked);
    }
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Grayed);
}

TEST_F(FreshSheet, ListsHoldTheirEntriesWithTheirStartingText) {
    EXPECT_EQ(sheet.gunSkill.items(), numbers(0, 12));
    EXPECT_FALSE(sheet.gunSkill.editable());
    EXPECT_EQ(sheet.gunSkill.text(), "");
    EXPECT_EQ(sheet.gunSkill.listIndex(), -1);
    EXPECT_EQ(sheet.pilotSkill.items(), numbers(0, 12));
    EXPECT_FALSE(sheet.pilotSkill.editable());
    EXPECT_EQ(sheet.pilotSkill.text(), "");
    EXPECT_EQ(sheet.hexLW.items(), numbers(0, 3));
    EXPECT_TRUE(sheet.hexLW.editable());
    EXPECT_EQ(sheet.hexLW.text(), "0");
    EXPECT_EQ(sheet.hexHW.items(), numbers(0, 2));
    EXPECT_TRUE(sheet.hexHW.editable());
    EXPECT_EQ(sheet.hexHW.text(), "0");
    EXPECT_EQ(sheet.tFacing.items(),
              (std::vector<std::string>{"Left Side", "Front", "Rear", "Right Side"}));
    EXPECT_EQ(sheet.tFacing.text(), "");
}

TEST_F(FreshSheet, FacingIsHiddenAndDisabled) {
    EXPECT_FALSE(sheet.Label6.visible());
    EXPECT_FALSE(sheet.tFacing.visible());
    EXPECT_FALSE(sheet.tFacing.enabled());
    sheet.tFacing.userPick(1);
    EXPECT_EQ(sheet.tFacing.text(), "");
    // Neither presentation shows it.
    sheet.Command5.userClick();
    EXPECT_FALSE(sheet.tFacing.visible());
    EXPECT_FALSE(sheet.Label6.visible());
}

TEST_F(FreshSheet, RangeIsUnsetAndTakesNoTyping) {
    EXPECT_EQ(sheet.range1.text(), "");
    EXPECT_TRUE(sheet.range1.readOnly());
    sheet.range1.userType("5");
    EXPECT_EQ(sheet.range1.text(), "");
    EXPECT_EQ(sheet.Slider1.position(), 0);
    EXPECT_EQ(sheet.Slider1.maximum(), 24);
}

TEST_F(FreshSheet, NamesAndSkillFieldsAreEmpty) {
    EXPECT_EQ(sheet.mechName.text(), "");
    EXPECT_EQ(sheet.pilotName.text(), "");
    EXPECT_EQ(sheet.gunSkillText.text(), "");
    EXPECT_FALSE(sheet.gunSkillText.enabled());
}

TEST_F(FreshSheet, WeaponRowsAndResultsAreEmpty) {
    const std::vector<std::string> locations{"RA", "RL", "RT", "CT", "LT", "LL", "LA", "H"};
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(sheet.weapName[row].text(), "");
        EXPECT_FALSE(sheet.weapName[row].editable());
        EXPECT_EQ(sheet.weapLoc[row].items(), locations);
        EXPECT_EQ(sheet.weapLoc[row].text(), "");
        for (const auto* column : {&sheet.minRange, &sheet.sRange, &sheet.mRange, &sheet.lRange,
                                   &sheet.Damage, &sheet.toHit}) {
            EXPECT_EQ((*column)[row].text(), "");
        }
        EXPECT_TRUE(sheet.Damage[row].readOnly());
        EXPECT_TRUE(sheet.toHit[row].readOnly());
    }
    EXPECT_EQ(sheet.Text12.text(), "");
    EXPECT_TRUE(sheet.Text12.readOnly());
    EXPECT_EQ(sheet.Text13.text(), "");
}

} // namespace
