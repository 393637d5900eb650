// The toolkit-free controls, the reading and writing of numbers, and the setup panel.

#include "app/number_text.h"
#include "support/sheet_fixture.h"

#include <fstream>

namespace {

using Log = std::vector<std::string>;
using S = SituationModifiers;

// A user click changes the value first (1 -> 0, 0 or 2 -> 1), then notifies exactly once.
TEST(Controls, CheckBoxUserClickSetsThenNotifies) {
    for (auto [before, after] : {std::pair{0, 1}, {1, 0}, {2, 1}}) {
        CheckBox box("", before);
        std::vector<int> seen;
        box.onClick([&] { seen.push_back(box.value()); });
        box.userClick();
        EXPECT_EQ(seen, std::vector<int>{after}) << "from " << before;
    }
    EXPECT_THROW(CheckBox("", 3), std::invalid_argument);
}

// Code setting a value notifies only on a change, and the nested handler runs before the
// setter returns. Selecting deselects the rest of the group and raises only its own click.
TEST(Controls, ValuesSetByCode) {
    CheckBox outer, inner;
    TextBox text;
    Slider slider("", 0, 24, 0, 1, 1);
    OptionGroup group;
    OptionButton first{group, "", OptionButton::Start::Selected}, second{group, ""};
    Log log;
    inner.onClick([&] { log.push_back("inner " + std::to_string(inner.value())); });
    outer.onClick([&] { inner.setValue(CheckBox::Grayed), log.push_back("outer goes on"); });
    text.onChange([&] { log.push_back("text " + text.text()); });
    slider.onChange([&] { log.push_back("slider " + std::to_string(slider.position())); });
    first.onClick([&] { log.push_back("first"); });
    second.onClick([&] { log.push_back(first.selected() ? "both" : "second"); });
    for (int i = 0; i < 2; ++i) {
        outer.setValue(CheckBox::Ticked), text.setText("a"), slider.setPosition(99);
        second.userClick();
    }
    EXPECT_EQ(log, (Log{"inner 2", "outer goes on", "text a", "slider 24", "second"}));
    EXPECT_EQ(group.selected(), &second);
}

// Disabled controls, read-only boxes and pick-only lists take no user input.
TEST(Controls, DisabledControlsTakeNoUserInput) {
    CheckBox box;
    OptionGroup group;
    OptionButton on{group, "", OptionButton::Start::Selected}, off{group, ""};
    Slider slider("", 0, 24, 0, 1, 1);
    Command menu;
    ComboBox list("", {"a"}), editable("", {"a"}, ComboBox::Typing::Editable);
    TextBox readOnly;
    readOnly.setReadOnly(true);
    int notified = 0;
    auto count = [&] { ++notified; };
    box.onClick(count), off.onClick(count), slider.onChange(count), menu.onClick(count);
    box.setEnabled(false), off.setEnabled(false), slider.setEnabled(false), menu.setEnabled(false);
    editable.setEnabled(false);
    box.userClick(), off.userClick(), slider.userMove(3), menu.userClick();
    list.userType("x"), editable.userType("x"), editable.userPick(0), readOnly.userType("x");
    list.userPick(1), list.userPick(-1);
    EXPECT_EQ(notified, 0);
    EXPECT_TRUE(on.selected() && box.value() == 0 && slider.position() == 0);
    EXPECT_EQ(list.text() + editable.text() + readOnly.text(), "");
    EXPECT_EQ(Command("&&Save && &Quit").plainCaption(), "&Save & Quit");
}

// Whole numbers plain, fractions as the shortest text that reads back to the same value.
TEST(NumberText, WritesWholeNumbersPlainAndFractionsShortest) {
    // clang-format off
    const std::pair<double, const char*> cases[] = {{0.0, "0"}, {-0.0, "0"}, {9.0, "9"},
        {-4.0, "-4"}, {13.0, "13"}, {9.5, "9.5"}, {-32768.0, "-32768"}, {1e16, "10000000000000000"},
        {0.1 + 0.2, "0.30000000000000004"}, {9.95, "9.95"}};
    // clang-format on
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(numberText(value), text) << value;
    }
}

// A window opens as fresh_sheet.txt records every control and value, in the setup
// presentation, even next to a sheet in use: sheets share nothing. Its read-only and disabled
// boxes take no input; its lists hold their entries.
TEST_F(SheetTest, AFreshSheetStartsOnItsOwn) {
    FreshSheet used;
    act(used.sheet, "pilotName=Kai gunSkill=4 Option2 tWater0 Slider1=1 Command5");
    act(sheet, "range1=5 gunSkillText=5 Damage(0)=5 Text12=5 tFacing=Front gunSkill=x");
    std::ifstream golden(VEXOLAN_TEST_DATA "/app/fresh_sheet.txt");
    EXPECT_EQ(snapshot(sheet) + "\n", std::string(std::istreambuf_iterator<char>(golden), {}));
    EXPECT_EQ(sheet.gunSkill.items().size(), 13u);
    EXPECT_EQ(sheet.gunSkill.items().back() + sheet.pilotSkill.items().front(), "120");
    EXPECT_EQ(sheet.weapLoc[11].items().front() + sheet.weapLoc[11].items().back(), "RAH");
}

// The title is pilot, ":", Mech after every change, whichever box changed, nothing trimmed.
TEST_F(SheetTest, TitleIsPilotColonMech) {
    const std::pair<const char*, const char*> steps[] = {{"pilotName=", "Vexolan"},
                                                         {"mechName=", "Vexolan"},
                                                         {"mechName=A", ":A"},
                                                         {"pilotName=Kai", "Kai:A"},
                                                         {"pilotName=", ":A"},
                                                         {"mechName=", ":"},
                                                         {"pilotName=Kai", "Kai:"},
                                                         {"pilotName=_Kai_", " Kai :"},
                                                         {"mechName=_A:7_", " Kai : A:7 "}};
    for (const auto& [typed, title] : steps) {
        act(sheet, typed);
        EXPECT_EQ(sheet.title(), title) << typed;
    }
}

// Done copies the skill and shows the sheet; Edit Mech brings the setup back, values kept. The
// base follows the last choice; New Mech asks the platform for a window each time and leaves
// this sheet as it was; equipment boxes and the piloting skill change nothing.
TEST_F(SheetTest, PresentationsAndSetupValues) {
    auto shows = [&](bool setup) {
        return sheet.Setup.visible() == setup && sheet.Frame1.visible() != setup;
    };
    act(sheet, "Check2 Check3 Check4 Check5 Check7 pilotSkill=7 mnuNew mnuNew");
    EXPECT_EQ(sheet.situation, S{});
    EXPECT_TRUE(shows(true) && sheet.title() == "Vexolan" && fake.windows.sheetsOpened == 2);
    act(sheet, "Command5");
    EXPECT_TRUE(shows(false) && sheet.gunSkillText.text().empty());
    act(sheet, "mnuEdit mnuEdit");
    EXPECT_TRUE(shows(true));
    act(sheet, "gunSkill=4 Command5 mnuEdit Option2");
    EXPECT_TRUE(sheet.techBase == TechBase::Clan && sheet.gunSkillText.text() == "4");
    act(sheet, "Option1 gunSkill=5 Command5");
    EXPECT_TRUE(shows(false) && sheet.techBase == TechBase::InnerSphere);
    EXPECT_EQ(sheet.gunSkillText.text() + sheet.gunSkill.text(), "55");
}

} // namespace
