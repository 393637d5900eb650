#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

class SetupPanel : public testing::Test {
protected:
    FakePlatform fake;
    CombatSheet sheet{fake.services};

    bool inSetupPresentation() const { return sheet.Setup.visible() && !sheet.Frame1.visible(); }
    bool inSheetPresentation() const { return !sheet.Setup.visible() && sheet.Frame1.visible(); }
};

// Title rule: each step types into one box, the whole text of the box as it then stands.
struct TitleStep {
    TextBox CombatSheet::*box;
    const char* text;
    const char* title;
};

struct TitleCase {
    const char* name;
    std::vector<TitleStep> steps;
};

void PrintTo(const TitleCase& c, std::ostream* os) {
    *os << c.name;
}

class TitleRule : public SetupPanel, public testing::WithParamInterface<TitleCase> {};

TEST_P(TitleRule, TitleIsPilotColonMechAfterEveryKeystroke) {
    for (const TitleStep& step : GetParam().steps) {
        (sheet.*step.box).userType(step.text);
        EXPECT_EQ(sheet.title(), step.title) << "after typing \"" << step.text << '"';
    }
}

constexpr auto PILOT = &CombatSheet::pilotName;
constexpr auto MECH = &CombatSheet::mechName;

INSTANTIATE_TEST_SUITE_P(
    Names, TitleRule,
    testing::Values(
        TitleCase{"PilotFirst",
                  {{PILOT, "K", "K:"},
                   {PILOT, "Kai", "Kai:"},
                   {MECH, "A", "Kai:A"},
                   {MECH, "Atlas", "Kai:Atlas"}}},
        TitleCase{"MechFirst", {{MECH, "Atlas", ":Atlas"}, {PILOT, "Kai", "Kai:Atlas"}}},
        TitleCase{"BothEmptiedGiveColon",
                  {{PILOT, "Kai", "Kai:"},
                   {MECH, "Atlas", "Kai:Atlas"},
                   {PILOT, "", ":Atlas"},
                   {MECH, "", ":"}}},
        TitleCase{"NothingTrimmed",
                  {{PILOT, "  Kai ", "  Kai :"}, {MECH, " Atlas:7 ", "  Kai : Atlas:7 "}}},
        TitleCase{"DeletingAKeystroke", {{MECH, "Atlass", ":Atlass"}, {MECH, "Atlas", ":Atlas"}}}),
    [](const testing::TestParamInfo<TitleCase>& info) { return info.param.name; });

TEST_F(SetupPanel, TitleStaysVexolanUntilANameBoxChanges) {
    EXPECT_EQ(sheet.title(), "Vexolan");
    // Typing the text a box already holds is no change.
    sheet.pilotName.userType("");
    sheet.mechName.userType("");
    EXPECT_EQ(sheet.title(), "Vexolan");
}

TEST_F(SetupPanel, DoneShowsTheSheetAndEditMechBringsTheSetupBack) {
    EXPECT_TRUE(inSetupPresentation());
    sheet.Command5.userClick();
    EXPECT_TRUE(inSheetPresentation());
    EXPECT_TRUE(sheet.Frame4.visible());
    sheet.mnuEdit.userClick();
    EXPECT_TRUE(inSetupPresentation());
    sheet.mnuEdit.userClick();
    EXPECT_TRUE(inSetupPresentation());
    sheet.Command5.userClick();
    EXPECT_TRUE(inSheetPresentation());
}

TEST_F(SetupPanel, DoneWithoutASkillLeavesTheGunneryFieldEmpty) {
    sheet.Command5.userClick();
    EXPECT_EQ(sheet.gunSkillText.text(), "");
    EXPECT_EQ(sheet.gunSkill.text(), "");
}

TEST_F(SetupPanel, GunnerySkillIsMirroredOntoTheSheet) {
    sheet.gunSkill.userPick(4);
    EXPECT_EQ(sheet.gunSkillText.text(), "4");
    sheet.Command5.userClick();
    EXPECT_EQ(sheet.gunSkillText.text(), "4");
    sheet.mnuEdit.userClick();
    sheet.gunSkill.userPick(5);
    sheet.Command5.userClick();
    EXPECT_EQ(sheet.gunSkillText.text(), "5");
    EXPECT_EQ(sheet.gunSkill.text(), "5");
}

TEST_F(SetupPanel, DoneCopiesTheSkillEvenIfTheMirrorWasOverwritten) {
    sheet.gunSkill.userPick(12);
    sheet.gunSkillText.setText("stale");
    sheet.Command5.userClick();
    EXPECT_EQ(sheet.gunSkillText.text(), "12");
}

TEST_F(SetupPanel, GunnerySkillOnTheSheetTakesNoTyping) {
    sheet.Command5.userClick();
    sheet.gunSkillText.userType("3");
    EXPECT_EQ(sheet.gunSkillText.text(), "");
}

TEST_F(SetupPanel, TechnologyBaseFollowsTheLastChoice) {
    EXPECT_EQ(sheet.techBase, 1);
    sheet.Option2.userClick();
    EXPECT_EQ(sheet.techBase, 2);
    EXPECT_FALSE(sheet.Option1.selected());
    sheet.Option1.userClick();
    EXPECT_EQ(sheet.techBase, 1);
    EXPECT_FALSE(sheet.Option2.selected());
}

TEST_F(SetupPanel, NewMechAsksThePlatformForAnotherWindowEachTime) {
    sheet.mnuNew.userClick();
    EXPECT_EQ(fake.windows.sheetsOpened, 1);
    sheet.mnuNew.userClick();
    EXPECT_EQ(fake.windows.sheetsOpened, 2);
    // The sheet where the menu was used is unchanged.
    EXPECT_TRUE(inSetupPresentation());
    EXPECT_EQ(sheet.title(), "Vexolan");
}

TEST_F(SetupPanel, EquipmentBoxesAndPilotingSkillChangeNoFigure) {
    const SituationModifiers before = sheet.situation;
    for (CheckBox* box :
         {&sheet.Check2, &sheet.Check3, &sheet.Check4, &sheet.Check5, &sheet.Check7}) {
        box->userClick();
        EXPECT_EQ(box->value(), CheckBox::Ticked);
    }
    sheet.pilotSkill.userPick(7);
    EXPECT_EQ(sheet.pilotSkill.text(), "7");
    EXPECT_EQ(sheet.situation, before);
    EXPECT_EQ(sheet.techBase, 1);
    EXPECT_EQ(sheet.gunSkillText.text(), "");
    EXPECT_EQ(sheet.gunSkill.text(), "");
    EXPECT_EQ(sheet.title(), "Vexolan");
}

TEST_F(SetupPanel, PresentationsKeepTheSetupValues) {
    sheet.pilotName.userType("Kai");
    sheet.gunSkill.userPick(3);
    sheet.Option2.userClick();
    sheet.Check6.userClick();
    sheet.Command5.userClick();
    sheet.mnuEdit.userClick();
    EXPECT_EQ(sheet.pilotName.text(), "Kai");
    EXPECT_EQ(sheet.gunSkill.text(), "3");
    EXPECT_EQ(sheet.techBase, 2);
    EXPECT_TRUE(sheet.Option2.selected());
    EXPECT_EQ(sheet.Check6.value(), CheckBox::Ticked);
    EXPECT_EQ(sheet.title(), "Kai:");
}

TEST(TwoSheets, ShareNothing) {
    FakePlatform fake;
    CombatSheet first(fake.services);
    CombatSheet second(fake.services);
    first.pilotName.userType("Kai");
    first.gunSkill.userPick(4);
    first.Option2.userClick();
    first.dmgSensor1.userClick();
    first.tWater0.userClick();
    first.Slider1.userMove(1);
    first.Command5.userClick();

    EXPECT_EQ(second.title(), "Vexolan");
    EXPECT_EQ(second.gunSkill.text(), "");
    EXPECT_EQ(second.techBase, 1);
    EXPECT_TRUE(second.Option1.selected());
    EXPECT_EQ(second.dmgSensor1.value(), CheckBox::Unticked);
    EXPECT_TRUE(second.tOpenHex0.selected());
    EXPECT_EQ(second.tPartial0.value(), CheckBox::Unticked);
    EXPECT_EQ(second.tAdjHex0.value(), CheckBox::Grayed);
    EXPECT_EQ(second.range1.text(), "");
    EXPECT_EQ(second.situation, SituationModifiers{});
    EXPECT_TRUE(second.Setup.visible());

    // And the other way round.
    second.aMove3.userClick();
    EXPECT_EQ(first.situation.aMoveMod, 0);
    EXPECT_EQ(second.situation.aMoveMod, 2);
    EXPECT_EQ(first.situation.dmgSensorMod, 2);
}

} // namespace
