#include "app/sheet_fixture.h"

#include <tuple>
#include <vector>

namespace {

using SetupPanel = SheetTest;
using S = SituationModifiers;

// A window opens in the setup presentation with base 1, zero modifiers and empty names, even
// next to a sheet in use: sheets share nothing. Its read-only and disabled boxes take no input.
TEST_F(SetupPanel, FreshSheetStartsOnItsOwn) {
    FreshSheet used;
    used.sheet.pilotName.userType("Kai"), used.sheet.gunSkill.userPick(4);
    used.sheet.Option2.userClick(), used.sheet.tWater0.userClick();
    used.sheet.Slider1.userMove(1), used.sheet.Command5.userClick();
    sheet.range1.userType("5"), sheet.gunSkillText.userType("5"), sheet.Damage[0].userType("5");
    sheet.tFacing.userPick(1), sheet.gunSkill.userType("5");
    EXPECT_EQ(sheet.range1.text() + sheet.gunSkillText.text() + sheet.Damage[0].text(), "");
    EXPECT_EQ(sheet.tFacing.text() + sheet.gunSkill.text() + sheet.hexLW.text(), "0");
    EXPECT_TRUE(sheet.Setup.visible() && !sheet.Frame1.visible() && sheet.title() == "Vexolan");
    EXPECT_TRUE(sheet.Option1.selected() && sheet.aMove1.selected() && sheet.aHeat0.selected() &&
                sheet.tMove0.selected() && sheet.tOpenHex0.selected() && sheet.techBase == 1);
    EXPECT_EQ(sheet.situation, S{});
    EXPECT_EQ(sheet.weapHeat, RowArray<std::int16_t>{});
    EXPECT_EQ(sheet.tAdjHex0.value(), CheckBox::Grayed);
    sheet.aMove3.userClick();
    EXPECT_EQ(used.sheet.situation, modsWith({{&S::tWaterMod, -1}, {&S::tPartialMod, 3}}));
}

// The title is pilot, ":", Mech after every change, whichever box changed, nothing trimmed.
TEST(SetupPanelTitle, IsPilotColonMech) {
    const auto P = &CombatSheet::pilotName, M = &CombatSheet::mechName;
    using Step = std::tuple<TextBox CombatSheet::*, const char*, const char*>;
    for (const auto& script : std::vector<std::vector<Step>>{
             {{P, "", "Vexolan"}, {M, "", "Vexolan"}, {P, "Kai", "Kai:"}, {M, "A", "Kai:A"}},
             {{M, "A", ":A"}, {P, "Kai", "Kai:A"}, {P, "", ":A"}, {M, "", ":"}},
             {{P, " Kai ", " Kai :"}, {M, " A:7 ", " Kai : A:7 "}}}) {
        FreshSheet f;
        for (const auto& [box, text, title] : script) {
            (f.sheet.*box).userType(text);
            EXPECT_EQ(f.sheet.title(), title) << "after typing \"" << text << '"';
        }
    }
}

// Done copies the skill and shows the sheet; Edit Mech brings the setup back, values kept. The
// base follows the last choice; New Mech asks the platform for a window each time and leaves
// this sheet as it was; equipment boxes and the piloting skill change nothing.
TEST_F(SetupPanel, PresentationsAndSetupValues) {
    auto shows = [&](bool setup) {
        return sheet.Setup.visible() == setup && sheet.Frame1.visible() != setup;
    };
    for (auto* box : {&sheet.Check2, &sheet.Check3, &sheet.Check4, &sheet.Check5, &sheet.Check7}) {
        box->userClick();
    }
    sheet.pilotSkill.userPick(7), sheet.mnuNew.userClick(), sheet.mnuNew.userClick();
    EXPECT_EQ(sheet.situation, S{});
    EXPECT_TRUE(shows(true) && sheet.title() == "Vexolan" && fake.windows.sheetsOpened == 2);
    sheet.Command5.userClick();
    EXPECT_TRUE(shows(false) && sheet.gunSkillText.text().empty());
    sheet.mnuEdit.userClick(), sheet.mnuEdit.userClick();
    EXPECT_TRUE(shows(true));
    sheet.gunSkill.userPick(4), sheet.Command5.userClick(), sheet.mnuEdit.userClick();
    sheet.Option2.userClick();
    EXPECT_TRUE(sheet.techBase == 2 && sheet.gunSkillText.text() == "4");
    sheet.Option1.userClick(), sheet.gunSkill.userPick(5), sheet.Command5.userClick();
    EXPECT_TRUE(shows(false) && sheet.techBase == 1);
    EXPECT_EQ(sheet.gunSkillText.text() + sheet.gunSkill.text(), "55");
}

} // namespace
