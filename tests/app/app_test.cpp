// The toolkit-free controls, the reading and writing of numbers, and the setup panel.

#include "app/number_text.h"
#include "support/sheet_fixture.h"

#include <tuple>

namespace {

using Log = std::vector<std::string>;

// A user click changes the value first (ticked becomes unticked, anything else ticked), then
// notifies exactly once.
TEST(Controls, CheckBoxUserClickSetsThenNotifies) {
    const std::tuple<const char*, BoxState, BoxState> cases[] = {
        {"UntickedBecomesTicked", BoxState::Unticked, BoxState::Ticked},
        {"TickedBecomesUnticked", BoxState::Ticked, BoxState::Unticked},
        {"GrayedBecomesTicked", BoxState::Grayed, BoxState::Ticked}};
    for (const auto& [name, before, after] : cases) {
        CheckBox box("", before);
        std::vector<BoxState> seen;
        box.onClick([&] { seen.push_back(box.value()); });
        box.userClick();
        EXPECT_EQ(seen, std::vector<BoxState>{after}) << name;
    }
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
    inner.onClick([&] { log.push_back("inner " + std::to_string(int(inner.value()))); });
    outer.onClick([&] { inner.setValue(BoxState::Grayed), log.push_back("outer goes on"); });
    text.onChange([&] { log.push_back("text " + text.text()); });
    slider.onChange([&] { log.push_back("slider " + std::to_string(slider.position())); });
    first.onClick([&] { log.push_back("first"); });
    second.onClick([&] { log.push_back(first.selected() ? "both" : "second"); });
    for (int i = 0; i < 2; ++i) {
        outer.setValue(BoxState::Ticked), text.setText("a"), slider.setPosition(99);
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
    // Notified, the option still selected, the box, the slider, the list, the editable list and
    // the read-only box.
    EXPECT_EQ(std::tuple(notified, on.selected(), box.value(), slider.position(), list.text(),
                         editable.text(), readOnly.text()),
              std::tuple(0, true, BoxState::Unticked, 0, "", "", ""));
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
    act(used.sheet,
        "pilotName=Kai gunSkill=4 clanOption targetWaterOption rangeSlider=1 doneButton");
    act(sheet, "rangeBox=5 gunSkillText=5 damage(0)=5 totalHeatBox=5 tFacing=Front gunSkill=x");
    EXPECT_EQ(snapshot(sheet) + "\n", fileText(VEXOLAN_TEST_DATA "/app/fresh_sheet.txt"));
    EXPECT_EQ(sheet.gunSkill.items().size(), 13u);
    EXPECT_EQ(sheet.gunSkill.items().front(), "0");
    EXPECT_EQ(sheet.pilotSkill.items().back(), "12");
    EXPECT_EQ(sheet.weapLoc[11].items(),
              std::vector<std::string>(WEAPON_LOCATIONS.begin(), WEAPON_LOCATIONS.end()));
}

// The title is pilot, ":", Mech after every change, whichever box changed, nothing trimmed.
TEST_F(SheetTest, TitleIsPilotColonMech) {
    // clang-format off
    const std::pair<const char*, const char*> steps[] = {{"pilotName=", "Vexolan"},
        {"mechName=", "Vexolan"}, {"mechName=A", ":A"}, {"pilotName=Kai", "Kai:A"},
        {"pilotName=", ":A"}, {"mechName=", ":"}, {"pilotName=Kai", "Kai:"},
        {"pilotName=_Kai_", " Kai :"}, {"mechName=_A:7_", " Kai : A:7 "}};
    // clang-format on
    for (const auto& [typed, title] : steps) {
        act(sheet, typed);
        EXPECT_EQ(sheet.title(), title) << typed;
    }
}

// A name box holds 80 characters, counted as code points whatever their length in UTF-8:
// typing stops there and a paste is cut there, wherever the cursor stands, the rest of the
// name kept and the cut never inside a character. What makes a paste one line (singleLine's
// test) is done before counting: control and direction characters take no room.
TEST_F(SheetTest, NamesStopAtTheirLength) {
    const std::string quillfen = "Quillfen QF-2", a80 = times(80, "a");
    const std::tuple<const char*, std::string, std::string, std::string> cases[] = {
        {"PastedWhole", "", times(300, "a"), a80},
        {"FourByteCharacters", "", times(300, "\U0001f600"), times(80, "\U0001f600")},
        {"PastedInTheMiddle", quillfen, "Quillfen" + times(300, "x") + " QF-2",
         "Quillfen" + times(67, "x") + " QF-2"},
        {"TypedAtTheEndOfAFullName", a80, a80 + "b", a80},
        {"PastedOverASelection", a80, "bc" + times(79, "a"), "b" + times(79, "a")},
        {"ExactlyTheLength", "", times(80, "\U0001f600"), times(80, "\U0001f600")},
        {"ControlCharactersDoNotCount", "", times(80, "a\x1b"), a80},
        {"DirectionCharactersAreDropped", "", "\u2066Quill\u202efen\u2069", "Quillfen"},
        {"BlanksForLineBreaksCount", "", times(80, "a\n"), times(40, "a ")},
    };
    for (const auto& [name, before, typed, kept] : cases) {
        for (TextBox* box : {&sheet.mechName, &sheet.pilotName}) {
            box->setText(before);
            box->userType(typed);
            EXPECT_EQ(box->text(), kept) << name << " in " << box->caption();
        }
    }
}

// Done copies the skill and shows the sheet; Edit Mech brings the setup back, values kept. The
// base follows the last choice; New Mech asks the platform for a window each time and leaves
// this sheet as it was; equipment boxes and the piloting skill change nothing.
TEST_F(SheetTest, PresentationsAndSetupValues) {
    const std::tuple<const char*, bool, const char*, TechBase> steps[] = {
        {"amsBox artemisBox apPodsBox c3Box ecmBox pilotSkill=7 mnuNew mnuNew", true, "",
         TechBase::InnerSphere},
        {"doneButton", false, "", TechBase::InnerSphere},
        {"mnuEdit mnuEdit", true, "", TechBase::InnerSphere},
        {"gunSkill=4 doneButton mnuEdit clanOption", true, "4", TechBase::Clan},
        {"innerSphereOption gunSkill=5 doneButton", false, "5", TechBase::InnerSphere},
    };
    for (const auto& [script, setupShown, gunSkillShown, base] : steps) {
        act(sheet, script);
        EXPECT_EQ(std::tuple(sheet.setupPanel.visible(), sheet.targetPanel.visible(),
                             sheet.gunSkillText.text(), sheet.techBase),
                  std::tuple(setupShown, !setupShown, gunSkillShown, base))
            << script;
    }
    EXPECT_EQ(sheet.situation, SituationModifiers{});
    EXPECT_EQ(sheet.title(), "Vexolan");
    EXPECT_EQ(fake.windows.sheetsOpened, 2);
}

} // namespace
