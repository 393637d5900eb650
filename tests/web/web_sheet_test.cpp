// The sheet of a browser page: driven by the names of its controls, telling only what changed
// and what it asks of the page, and kept whole across a reload.

#include "app/sheet_controls.h"
#include "layout/sheet_layout.h"
#include "support/sheet_fixture.h"
#include "web/sheet_state.h"
#include "web/web_sheet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <tuple>

namespace {

using Json = nlohmann::json;
using Texts = std::vector<std::string>;

// An update tells the places the sheet's scene says changed, and where the keyboard goes when a
// panel comes to the front; an unknown name, or an action the control does not take, changes
// nothing.
TEST(WebSheet, AnUpdateTellsWhatChangedAndWhereTheKeyboardGoes) {
    const Json layout = Json::parse(WebSheet::layoutJson());
    WebSheet sheet;
    EXPECT_EQ(Json::parse(sheet.view()).at("changed").size(), layout.at("controls").size());
    const Json update = Json::parse(sheet.click("rightShoulderBox"));
    EXPECT_EQ(update.at("changed").size(), 3u);
    EXPECT_TRUE(update.at("focus").is_null());
    EXPECT_TRUE(update.at("window").empty());
    sheet.pick("gunSkill", 4);
    EXPECT_EQ(Json::parse(sheet.click("doneButton")).at("focus"),
              sheet::placeOf(&CombatSheet::rangeSlider));
    EXPECT_TRUE(Json::parse(sheet.type("calculateButton", "x")).at("changed").empty());
    // A weapon row's field is reached by its row, and only it.
    sheet.pick("weapName(2)", 1);
    EXPECT_EQ(sheet.sheet().weapName[2].listIndex(), 1);
    EXPECT_EQ(sheet.sheet().weapName[0].listIndex(), FreshSheet().sheet.weapName[0].listIndex());
    for (const char* unknown : {"dmgSensor9", "fireCheck(12)", "fireCheck(-1)"}) {
        EXPECT_TRUE(Json::parse(sheet.click(unknown)).at("changed").empty()) << unknown;
    }
}

// What a handler asks of its platform reaches the page with the update of that action, and
// nothing else with it.
TEST(WebSheet, RequestsReachThePage) {
    // clang-format off
    const std::pair<const char*, const char*> rows[] = {{"mnuRangeChart", "rangeChart"},
        {"mnuHelp", "help"}, {"mnuAbout", "aboutBox"}, {"mnuClose", "closeSheet"},
        {"mnuQuit", "closeAllSheets"}};
    // clang-format on
    for (const auto& [control, request] : rows) {
        WebSheet sheet;
        sheet.view();
        const Json asked = Json::parse(sheet.click(control)).at("requests");
        for (const auto& [name, value] : asked.items()) {
            EXPECT_TRUE(!value.is_boolean() || value == (name == request))
                << control << " " << name;
        }
    }
    WebSheet sheet;
    sheet.view();
    EXPECT_EQ(Json::parse(sheet.click("calculateButton")).at("requests").at("messages"),
              Texts{"Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."});
    sheet.type("declarationBox", "  MLaser@6");
    EXPECT_EQ(Json::parse(sheet.click("copyButton")).at("requests").at("clipboard"),
              Texts{"  MLaser@6"});
}

std::string patched(const std::string& state, const Json& patch) {
    Json json = Json::parse(state);
    json.merge_patch(patch);
    return json.dump();
}

// Kept and taken back, a sheet is the same sheet, results and tips included; one kept before a
// menu entry came along comes back whole, the entry as a fresh sheet has it (a control the user
// sets never goes missing unnoticed: see the states that do not restore).
TEST(SheetState, ASheetComesBackWhole) {
    const struct {
        const char* game;
        Json patch = Json::object();
    } rows[] = {
        {""},
        {"mechName=Quillfen pilotName=Ilsa gunSkill=3 clanOption amsBox doneButton mnuZoomIn"},
        {"gunSkill=4 rangeSlider=5 weapName(0)=MLaser weapLoc(0)=RA weapName(3)=LB-10X_AC "
         "weapName(5)=MPLaser clusterMunitionsBox ranOption heat13to16Option rightShoulderBox "
         "rightUpperActuatorBox targetMoved10PlusOption targetWaterOption targetProneBox hexLW=1.5 "
         "fireCheck(0) fireCheck(3) calculateButton declareButton declarationBox=edited mnuEdit"},
        {"weapName(2)=PPC sRange(2)=x rangeSlider=1 adjacentHexBox immobileBox selectAllBox "
         "mnuNew"},
        {"pilotName=Kai sensorsBox gunSkill=3",
         {{"controls", {{"mnuClose", nullptr}, {"mnuQuit", nullptr}}}}},
        {"gunSkill=4 rangeSlider=5 weapName(0)=MLaser fireCheck(0) calculateButton walkedOption "
         "declareButton calculateButton ranOption"}};
    for (const auto& [game, patch] : rows) {
        FreshSheet played;
        act(played.sheet, game);
        played.sheet.mechFile = "mine.vexmech";
        played.sheet.savedMech = "{}";
        FreshSheet taken;
        ASSERT_EQ(restoreSheetState(patched(sheetState(played.sheet), patch), taken.sheet), "")
            << game;
        EXPECT_EQ(snapshot(taken.sheet), snapshot(played.sheet)) << game;
        EXPECT_EQ(taken.sheet.zoom, played.sheet.zoom) << game;
        EXPECT_EQ(taken.sheet.savedMech, played.sheet.savedMech) << game;
    }
}

// A sheet kept by an earlier page, which called the controls by their old numbered names,
// opens in this one as it was kept.
TEST(SheetState, AStateKeptByAnEarlierPageRestores) {
    const auto kept = WebSheet::restore(fileText(VEXOLAN_TEST_DATA "/web/data/sheet-state-1.json"));
    ASSERT_NE(kept, nullptr);
    const CombatSheet& sheet = kept->sheet();
    const auto n = [](auto value) { return std::to_string(int(value)); };
    // clang-format off
    const std::pair<std::string, std::string> facts[] = {
        {sheet.title(), "Ilsa Marrow:Quillfen QF-2"}, {sheet.toHit[0].text(), "6"},
        {sheet.declarationBox.text(), "  LB-10X AC@6  MLaser@9"}, {sheet.totalHeatBox.text(), "5"},
        {sheet.mechFile, "quillfen.vexmech"}, {sheet.damage[1].text(), "1/missle"},
        {n(sheet.walkedOption.selected()), "1"}, {n(sheet.targetMoved5to6Option.selected()), "1"},
        {n(sheet.leftShoulderBox.value()), n(BoxState::Ticked)},
        {n(sheet.leftUpperActuatorBox.value()), n(BoxState::Grayed)},
        {n(sheet.situation.leftShoulderMod), "4"}, {n(sheet.situation.leftLowerActuatorMod), "1"},
        {n(sheet.firesClusterMunitions), "1"}, {n(sheet.facingPanel.visible()), "0"}};
    // clang-format on
    for (std::size_t at = 0; at < std::size(facts); ++at) {
        EXPECT_EQ(facts[at].first, facts[at].second) << "fact " << at;
    }
    EXPECT_TRUE(kept->hasUnsavedChanges()); // its skill was changed after the file opened
}

// Whether a control was shown and could be used comes back, for every kind of control; a name
// kept before names had their limits comes back within them.
TEST(SheetState, EachKindOfControlComesBackShownOrHiddenAndANameWithinItsLimits) {
    // A text, a list, a check box, an option, a slider, a panel and a command.
    const char* const names[] = {"mechName",    "gunSkill",    "sensorsBox",     "stationaryOption",
                                 "rangeSlider", "targetPanel", "calculateButton"};
    const std::string overlong(300, 'x'), reversed = "Ilsa\u202eMarrow";
    Json controls = {{"mechName", {{"text", overlong}}}, {"pilotName", {{"text", reversed}}}};
    for (const char* name : names) {
        controls[name].merge_patch({{"visible", false}, {"enabled", false}});
    }
    const auto back =
        WebSheet::restore(patched(sheetState(FreshSheet().sheet),
                                  {{"controls", controls}, {"title", reversed + ":" + overlong}}));
    ASSERT_NE(back, nullptr);
    for (const char* name : names) {
        visitControl(back->sheet(), controlNamed(name)->ref, -1, [name](const Control& control) {
            EXPECT_FALSE(control.visible()) << name;
            EXPECT_FALSE(control.enabled()) << name;
        });
    }
    // The Mech's name, the pilot's and the title kept as it was.
    EXPECT_EQ(std::tuple(back->sheet().mechName.text(), back->sheet().pilotName.text(),
                         back->sheet().title()),
              std::tuple(std::string(NameLength, 'x'), "IlsaMarrow", "IlsaMarrow:" + overlong));
}

// A state that does not restore says why, in words for its user, and leaves the sheet as it
// was.
TEST(SheetState, AStateThatDoesNotRestoreSaysWhy) {
    const std::string kept = sheetState(FreshSheet().sheet);
    const auto family = [](int first) {
        std::vector<int> rows(WEAPON_ROWS, 0);
        rows[0] = first;
        return rows;
    };
    const std::pair<std::string, std::string> rows[] = {
        {"", "its kept copy is damaged (not JSON)"},
        {"[]", "its kept copy is damaged (not a JSON object)"},
        {patched(kept, {{"version", 3}}),
         "it was kept by a newer version of Vexolan (version 3; this page reads up to version "
         "2)"},
        {patched(kept, {{"version", 0}}), "its kept copy is damaged (version 0)"},
        {patched(kept, {{"controls", {{"stationaryOption", nullptr}}}}),
         "its kept copy is damaged (no stationaryOption)"},
        {patched(kept, {{"controls", {{"sensorsBox", {{"value", 3}}}}}}),
         "its kept copy is damaged (sensorsBox: a check box's value)"},
        {patched(kept, {{"situation", nullptr}}), "its kept copy is damaged (no \"situation\")"},
        {patched(kept, {{"techBase", 3}}), "its kept copy is damaged (a technology base of 3)"},
        // A weapon's family beyond either end of the families is damage, not a weapon.
        {patched(kept, {{"weapFamily", {{"rows", family(-1)}}}}),
         "its kept copy is damaged (a weapon's family)"},
        {patched(kept, {{"weapFamily", {{"rows", family(99)}}}}),
         "its kept copy is damaged (a weapon's family)"}};
    for (const auto& [state, why] : rows) {
        EXPECT_EQ(WebSheet::whyNotRestored(state), why) << state.substr(0, 40);
        FreshSheet played;
        act(played.sheet, "pilotName=Kai sensorsBox");
        const std::string before = snapshot(played.sheet);
        EXPECT_NE(restoreSheetState(state, played.sheet), "") << why;
        EXPECT_EQ(snapshot(played.sheet), before) << why;
    }
    EXPECT_EQ(WebSheet::whyNotRestored(kept), "");
}

// What reads of a damaged state can still be saved as a Mech file; a text that holds no sheet
// gives nothing to save.
TEST(SheetState, ADamagedStateStillGivesItsMech) {
    const std::string kept = fileText(VEXOLAN_TEST_DATA "/web/data/sheet-state-1.json");
    const Json salvaged = Json::parse(
        WebSheet::salvagedMech(patched(kept, {{"controls", {{"sensorsBox", {{"value", 7}}}}}})));
    EXPECT_EQ(salvaged.at("name"), "Quillfen QF-2.vexmech");
    WebSheet opened;
    opened.openFiles({{"salvaged.vexmech", salvaged.at("bytes").get<std::string>()}});
    EXPECT_EQ(opened.sheet().title(), "Ilsa Marrow:Quillfen QF-2");
    EXPECT_EQ(opened.sheet().weapName[3].text(), "MLaser");
    EXPECT_EQ(WebSheet::salvagedMech("{\"controls"), "{}");
    EXPECT_EQ(WebSheet::salvagedMech("[1]"), "{}");
}

// A backup of the page's sheets restores each as it was; a sheet whose kept state a later
// page cannot read comes back from its Mech, without a file another sheet holds.
TEST(SheetsBackup, EverySheetComesBack) {
    WebSheet first;
    first.openFiles({{"quillfen.vexmech", ExampleMech}});
    act(first.sheet(), "gunSkill=3 rangeSlider=5 walkedOption fireCheck(3) calculateButton");
    WebSheet second;
    act(second.sheet(), "mechName=Brindle pilotName=Oska weapName(0)=PPC rightShoulderBox");
    const std::string backup = WebSheet::backUp({&first, &second});
    const Json read = Json::parse(WebSheet::readBackup("all.vexsheets", backup, {}));
    ASSERT_EQ(read.at("states").size(), 2U);
    WebSheet* sheets[] = {&first, &second};
    for (std::size_t at = 0; at < 2; ++at) {
        const auto back = WebSheet::restore(read.at("states")[at]);
        ASSERT_NE(back, nullptr) << at;
        EXPECT_EQ(snapshot(back->sheet()), snapshot(sheets[at]->sheet())) << at;
    }

    Json file = Json::parse(backup);
    file["sheets"][0]["state"]["version"] = 99;
    const Json fromMech =
        Json::parse(WebSheet::readBackup("all.vexsheets", file.dump(), {"quillfen.vexmech"}));
    const auto mechOnly = WebSheet::restore(fromMech.at("states")[0]);
    EXPECT_EQ(mechOnly->sheet().title(), "Ilsa Marrow:Quillfen QF-2");
    EXPECT_EQ(mechOnly->sheet().toHit[3].text(), "");
    EXPECT_EQ(mechOnly->mechFile(), "");
}

// The format's example restores each of its sheets from its Mech.
TEST(SheetsBackup, TheExampleRestores) {
    const Json read = Json::parse(
        WebSheet::readBackup("lance-sheets.vexsheets",
                             fileText(VEXOLAN_TEST_DATA "/../docs/lance-sheets.vexsheets"), {}));
    const std::string titles[] = {"Ilsa Marrow:Quillfen QF-2", "Oska Venn:Brindle BR-1"};
    ASSERT_EQ(read.at("states").size(), std::size(titles));
    for (std::size_t at = 0; at < std::size(titles); ++at) {
        EXPECT_EQ(WebSheet::restore(read.at("states")[at])->sheet().title(), titles[at]);
    }
}

// A backup that is wrong anywhere restores nothing and says what is wrong.
TEST(SheetsBackup, ABadBackupRestoresNothing) {
    WebSheet one;
    const std::string good = WebSheet::backUp({&one, &one});
    Json badMech = Json::parse(good);
    badMech["sheets"][1]["mech"]["technologyBase"] = "Outer Rim";
    const Json mech = badMech["sheets"][0]["mech"];
    const std::pair<std::string, std::string> rows[] = {
        {"{", "The file is not JSON in UTF-8."},
        {patched(good, {{"format", "Vexolan Mech"}}), "It is not a backup of Vexolan's sheets."},
        {patched(good, {{"version", 2}}), "It was written by a newer version of Vexolan."},
        {patched(good, {{"version", "1"}}), "It names no version of its format."},
        {patched(good, {{"sheets", {{"mech", 1}}}}), "It holds no list of sheets."},
        {patched(good, {{"sheets", Json::array({Json::object()})}}), "Sheet 1 holds no Mech."},
        {patched(good, {{"sheets", Json::array({{{"mech", mech}, {"file", 3}}})}}),
         "Sheet 1: \"file\" is not a text."},
        {badMech.dump(),
         "Sheet 2: Technology base: 'Outer Rim' is neither 'Inner Sphere' nor 'Clan'."}};
    for (const auto& [bytes, fault] : rows) {
        const Json read = Json::parse(WebSheet::readBackup("b.vexsheets", bytes, {}));
        EXPECT_EQ(read.value("fault", ""),
                  "Cannot restore the sheets of \"b.vexsheets\":\n" + fault)
            << fault;
        EXPECT_FALSE(read.contains("states")) << fault;
    }
}

} // namespace
