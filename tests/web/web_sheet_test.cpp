// The sheet of a browser page: driven by the names of its controls, telling only what changed
// and what it asks of the page, and kept whole across a reload.

#include "app/arm_damage.h"
#include "support/fresh_sheet.h"
#include "web/sheet_state.h"
#include "web/web_sheet.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace {

using Json = nlohmann::json;
using Texts = std::vector<std::string>;

const std::string Example = [] {
    std::ifstream file(VEXOLAN_TEST_DATA "/../docs/quillfen.vexmech", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}();

// The places whose state an update tells.
std::vector<int> changedPlaces(const Json& update) {
    std::vector<int> places;
    for (const Json& change : update.at("changed")) {
        places.push_back(change.at(0).get<int>());
    }
    return places;
}

int placeNamed(const Json& layout, const std::string& role) {
    const Json& controls = layout.at("controls");
    for (std::size_t place = 0; place < controls.size(); ++place) {
        if (controls[place].at("role") == role) {
            return static_cast<int>(place);
        }
    }
    return -1;
}

// A tap tells what it changed and nothing else: the box itself, and the two actuators that
// the shoulder grays.
TEST(WebSheet, ATapTellsOnlyWhatChanged) {
    const Json layout = Json::parse(WebSheet::layoutJson());
    WebSheet sheet;
    EXPECT_EQ(Json::parse(sheet.view()).at("changed").size(), layout.at("controls").size());
    const Json update = Json::parse(sheet.click("rightShoulderBox"));
    EXPECT_EQ(changedPlaces(update),
              (std::vector<int>{placeNamed(layout, "rightShoulderBox"),
                                placeNamed(layout, "rightUpperActuatorBox"),
                                placeNamed(layout, "rightLowerActuatorBox")}));
    EXPECT_EQ(update.at("changed")[1].at(1).at("value"), 2);
    EXPECT_TRUE(update.at("window").empty());
    EXPECT_TRUE(Json::parse(sheet.click("dmgSensor9")).at("changed").empty());
    EXPECT_TRUE(Json::parse(sheet.type("calculateButton", "x")).at("changed").empty());
}

// The page fills its lists from the layout, with the entries a wired sheet's lists hold.
TEST(WebSheet, TheLayoutListsTheEntriesOfTheLists) {
    const Json layout = Json::parse(WebSheet::layoutJson());
    WebSheet web;
    const CombatSheet& sheet = web.sheet();
    const std::pair<const char*, const ComboBox&> lists[] = {{"weapName(11)", sheet.weapName[11]},
                                                             {"weapLoc(0)", sheet.weapLoc[0]},
                                                             {"gunSkill", sheet.gunSkill},
                                                             {"hexHW", sheet.hexHW}};
    for (const auto& [name, list] : lists) {
        const Texts items = layout.at("controls").at(placeNamed(layout, name)).at("items");
        EXPECT_EQ(items, list.items()) << name;
    }
}

// An arm's damage boxes show their own captions and are named for the arm they belong to, the
// arm whose damage they count.
TEST(WebSheet, TheLayoutNamesTheArmOfADamageBox) {
    const Json layout = Json::parse(WebSheet::layoutJson());
    const auto entry = [&layout](const std::string& role) -> const Json& {
        return layout.at("controls").at(placeNamed(layout, role));
    };
    const struct {
        const char* arm;
        std::size_t of;
    } arms[] = {{"Right Arm", 0}, {"Left Arm", 1}};
    for (const auto& [arm, of] : arms) {
        const ArmDamage& damage = ARMS.at(of);
        const std::pair<Member<CheckBox>, std::string> boxes[] = {
            {damage.shoulder, "Shoulder"},
            {damage.upperActuator, "Upper Actuator"},
            {damage.lowerActuator, "Lower Actuator"}};
        for (const auto& [box, caption] : boxes) {
            EXPECT_EQ(entry(codeName(box)).at("caption"), caption) << arm;
            EXPECT_EQ(entry(codeName(box)).at("name"), std::string(arm) + " " + caption) << arm;
        }
    }
    // Any other box goes by its caption, said without the spaces that set it off.
    EXPECT_EQ(entry("sensorsBox").at("name"), "Sensors");
    EXPECT_EQ(entry("clanOption").at("name"), "Clan");
}

// What a handler asks of its platform reaches the page with the update of that action.
TEST(WebSheet, RequestsReachThePage) {
    WebSheet sheet;
    sheet.view();
    const Json calculated = Json::parse(sheet.click("calculateButton"));
    EXPECT_EQ(calculated.at("requests").at("messages"),
              Texts{"Please Enter Pilot's Gunnery Skill. Click [Edit Mech]."});
    EXPECT_TRUE(Json::parse(sheet.click("calculateButton")).at("requests").at("messages").size() ==
                1);
    sheet.type("declarationBox", "  MLaser@6");
    EXPECT_EQ(Json::parse(sheet.click("copyButton")).at("requests").at("clipboard"),
              Texts{"  MLaser@6"});
    EXPECT_TRUE(Json::parse(sheet.click("mnuNew")).at("requests").at("newSheet"));
    EXPECT_TRUE(Json::parse(sheet.click("mnuRangeChart")).at("requests").at("rangeChart"));
    EXPECT_TRUE(Json::parse(sheet.click("mnuHelp")).at("requests").at("help"));
    EXPECT_TRUE(Json::parse(sheet.click("mnuAbout")).at("requests").at("aboutBox"));
    const Json closed = Json::parse(sheet.click("mnuClose")).at("requests");
    EXPECT_TRUE(closed.at("closeSheet"));
    EXPECT_FALSE(closed.at("closeAllSheets"));
    const Json quit = Json::parse(sheet.click("mnuQuit")).at("requests");
    EXPECT_TRUE(quit.at("closeAllSheets"));
    EXPECT_FALSE(quit.at("closeSheet"));
}

// A file chosen by the user opens on the sheet; Save asks the page for a name, then saves to
// it as a download; a bad file is named in the message and changes nothing.
TEST(WebSheet, FilesComeFromAndGoToThePage) {
    WebSheet sheet;
    sheet.view();
    const Json bad = Json::parse(sheet.openFiles({{"bad.vexmech", "{"}}));
    EXPECT_EQ(bad.at("requests").at("messages"),
              Texts{"Cannot open the Mech file \"bad.vexmech\":\nThe file is not JSON: it goes "
                    "wrong at line 1, column 2."});
    EXPECT_TRUE(bad.at("changed").empty());
    const Json opened = Json::parse(sheet.openFiles({{"mine.vexmech", Example}}));
    EXPECT_EQ(opened.at("window").at("title"), "Ilsa Marrow:Quillfen QF-2");
    EXPECT_EQ(sheet.mechFile(), "mine.vexmech");
    sheet.click("sensorsBox");
    EXPECT_TRUE(sheet.hasUnsavedChanges());
    EXPECT_EQ(sheet.closeQuestion(), "Save the changes to the Mech file \"mine.vexmech\"?");
    const Json asked = Json::parse(sheet.click("mnuSaveAs"));
    EXPECT_EQ(asked.at("requests").at("saveNames"), Texts{"mine.vexmech"});
    EXPECT_TRUE(asked.at("requests").at("downloads").empty());
    const Json saved = Json::parse(sheet.saveAs("other.vexmech"));
    EXPECT_EQ(saved.at("requests").at("downloads").at(0).at("name"), "other.vexmech");
    EXPECT_EQ(saved.at("window").at("modified"), false);
    sheet.setOtherSheetFiles(Json::array({"held.vexmech"}).dump());
    const Json shown = Json::parse(sheet.openFiles({{"held.vexmech", Example}}));
    EXPECT_EQ(shown.at("requests").at("sheetsToShow"), Texts{"held.vexmech"});
}

// Kept and taken back, a sheet is the same sheet, results and tips included; a text that is
// no state of this program's is refused and leaves the sheet as it was.
std::string patched(const std::string& state, const Json& patch) {
    Json json = Json::parse(state);
    json.merge_patch(patch);
    return json.dump();
}

TEST(SheetState, ASheetComesBackWhole) {
    const char* const games[] = {
        "", "mechName=Quillfen pilotName=Ilsa gunSkill=3 clanOption amsBox doneButton mnuZoomIn",
        "gunSkill=4 rangeSlider=5 weapName(0)=MLaser weapLoc(0)=RA weapName(3)=LB-10X_AC "
        "weapName(5)=MPLaser clusterMunitionsBox ranOption heat13to16Option rightShoulderBox "
        "rightUpperActuatorBox targetMoved10PlusOption "
        "targetWaterOption targetProneBox hexLW=1.5 fireCheck(0) fireCheck(3) calculateButton "
        "declareButton "
        "declarationBox=edited mnuEdit",
        "weapName(2)=PPC sRange(2)=x rangeSlider=1 adjacentHexBox immobileBox selectAllBox mnuNew"};
    for (const char* game : games) {
        FreshSheet played;
        act(played.sheet, game);
        played.sheet.mechFile = "mine.vexmech";
        played.sheet.savedMech = "{}";
        FreshSheet taken;
        ASSERT_EQ(restoreSheetState(sheetState(played.sheet), taken.sheet), "") << game;
        EXPECT_EQ(snapshot(taken.sheet), snapshot(played.sheet)) << game;
        EXPECT_EQ(taken.sheet.zoom, played.sheet.zoom) << game;
        EXPECT_EQ(taken.sheet.savedMech, played.sheet.savedMech) << game;
    }
    const std::string kept = sheetState(FreshSheet().sheet);
    const std::pair<const char*, std::string> bad[] = {
        {"Empty", ""},
        {"NoObject", "[]"},
        {"OtherVersion", patched(kept, {{"version", 2}})},
        {"BoxValue", patched(kept, {{"controls", {{"sensorsBox", {{"value", 3}}}}}})},
        {"NoControl", patched(kept, {{"controls", {{"stationaryOption", nullptr}}}})},
        {"TechBase", patched(kept, {{"techBase", 3}})}};
    for (const auto& [name, state] : bad) {
        FreshSheet f;
        act(f.sheet, "pilotName=Kai sensorsBox");
        const std::string before = snapshot(f.sheet);
        EXPECT_NE(restoreSheetState(state, f.sheet), "") << name;
        EXPECT_EQ(snapshot(f.sheet), before) << name;
    }
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A sheet kept by an earlier page opens in this one as it was kept.
TEST(SheetState, AStateKeptByAnEarlierPageRestores) {
    const auto kept = WebSheet::restore(fileText(VEXOLAN_TEST_DATA "/web/data/sheet-state-1.json"));
    ASSERT_NE(kept, nullptr);
    const CombatSheet& sheet = kept->sheet();
    const std::pair<const char*, std::string> facts[] = {
        {"title", sheet.title()},
        {"to-hit", sheet.toHit[0].text()},
        {"declaration", sheet.declarationBox.text()},
        {"total heat", sheet.totalHeatBox.text()},
        {"file", sheet.mechFile}};
    const std::string expected[] = {"Ilsa Marrow:Quillfen QF-2", "6", "  LB-10X AC@6  MLaser@9",
                                    "5", "quillfen.vexmech"};
    for (std::size_t at = 0; at < std::size(facts); ++at) {
        EXPECT_EQ(facts[at].second, expected[at]) << facts[at].first;
    }
    EXPECT_TRUE(kept->hasUnsavedChanges()); // its skill was changed after the file opened
}

// Whether a control was shown and could be used comes back, for every kind of control.
TEST(SheetState, EachKindOfControlComesBackShownOrHiddenEnabledOrNot) {
    const char* const names[] = {"mechName",    "gunSkill",    "sensorsBox",     "stationaryOption",
                                 "rangeSlider", "targetPanel", "calculateButton"};
    Json controls = Json::object();
    for (const char* name : names) {
        controls[name] = {{"visible", false}, {"enabled", false}};
    }
    const auto back =
        WebSheet::restore(patched(sheetState(FreshSheet().sheet), {{"controls", controls}}));
    ASSERT_NE(back, nullptr);
    const CombatSheet& sheet = back->sheet();
    const std::pair<const char*, const Control&> restored[] = {
        {"text", sheet.mechName},          {"list", sheet.gunSkill},
        {"check box", sheet.sensorsBox},   {"option", sheet.stationaryOption},
        {"slider", sheet.rangeSlider},     {"panel", sheet.targetPanel},
        {"command", sheet.calculateButton}};
    for (const auto& [kind, control] : restored) {
        EXPECT_FALSE(control.visible()) << kind;
        EXPECT_FALSE(control.enabled()) << kind;
    }
}

// A name kept before names had their limits comes back within them.
TEST(SheetState, AKeptNameComesBackWithinItsLimits) {
    FreshSheet played;
    const std::string overlong(300, 'x');
    const std::string reversed = "Ilsa\u202eMarrow";
    const std::string kept = patched(
        sheetState(played.sheet),
        {{"controls", {{"mechName", {{"text", overlong}}}, {"pilotName", {{"text", reversed}}}}},
         {"title", reversed + ":" + overlong}});
    const auto back = WebSheet::restore(kept);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->sheet().mechName.text(), std::string(NameLength, 'x'));
    EXPECT_EQ(back->sheet().pilotName.text(), "IlsaMarrow");
    EXPECT_EQ(back->sheet().title(), "IlsaMarrow:" + overlong);
}

// A state that does not restore says why, in words for its user.
TEST(SheetState, AStateThatDoesNotRestoreSaysWhy) {
    const std::string kept = sheetState(FreshSheet().sheet);
    const std::pair<std::string, std::string> rows[] = {
        {"", "its kept copy is damaged (not JSON)"},
        {"[]", "its kept copy is damaged (not a JSON object)"},
        {patched(kept, {{"version", 2}}),
         "it was kept by a newer version of Vexolan (version 2; this page reads up to version "
         "1)"},
        {patched(kept, {{"version", 0}}), "its kept copy is damaged (version 0)"},
        {patched(kept, {{"controls", {{"stationaryOption", nullptr}}}}),
         "its kept copy is damaged (no stationaryOption)"},
        {patched(kept, {{"controls", {{"sensorsBox", {{"value", 3}}}}}}),
         "its kept copy is damaged (sensorsBox: a check box's value)"},
        {patched(kept, {{"situation", nullptr}}), "its kept copy is damaged (no \"situation\")"},
        {patched(kept, {{"techBase", 3}}), "its kept copy is damaged (a technology base of 3)"}};
    for (const auto& [state, why] : rows) {
        EXPECT_EQ(WebSheet::whyNotRestored(state), why) << state.substr(0, 40);
        EXPECT_EQ(WebSheet::restore(state), nullptr) << why;
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
// page cannot read comes back from its Mech; a file another sheet holds is not taken twice.
TEST(SheetsBackup, EverySheetComesBack) {
    WebSheet first;
    first.openFiles({{"quillfen.vexmech", Example}});
    act(first.sheet(), "gunSkill=3 rangeSlider=5 walkedOption fireCheck(3) calculateButton");
    WebSheet second;
    act(second.sheet(), "mechName=Brindle pilotName=Oska weapName(0)=PPC rightShoulderBox");
    const std::string backup = WebSheet::backUp({&first, &second});
    const Json read = Json::parse(WebSheet::readBackup("all.vexsheets", backup, "[]"));
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
        Json::parse(WebSheet::readBackup("all.vexsheets", file.dump(), "[\"quillfen.vexmech\"]"));
    const auto mechOnly = WebSheet::restore(fromMech.at("states")[0]);
    EXPECT_EQ(mechOnly->sheet().title(), "Ilsa Marrow:Quillfen QF-2");
    EXPECT_EQ(mechOnly->sheet().toHit[3].text(), "");
    EXPECT_EQ(mechOnly->mechFile(), "");
    const auto held = WebSheet::restore(
        Json::parse(WebSheet::readBackup("all.vexsheets", backup, "[\"quillfen.vexmech\"]"))
            .at("states")[0]);
    EXPECT_EQ(held->mechFile(), "");
    EXPECT_EQ(held->sheet().toHit[3].text(), first.sheet().toHit[3].text());
}

// The format's example restores each of its sheets from its Mech.
TEST(SheetsBackup, TheExampleRestores) {
    const Json read = Json::parse(
        WebSheet::readBackup("lance-sheets.vexsheets",
                             fileText(VEXOLAN_TEST_DATA "/../docs/lance-sheets.vexsheets"), "[]"));
    const std::string titles[] = {"Ilsa Marrow:Quillfen QF-2", "Oska Venn:Brindle BR-1"};
    ASSERT_EQ(read.at("states").size(), std::size(titles));
    for (std::size_t at = 0; at < std::size(titles); ++at) {
        EXPECT_EQ(WebSheet::restore(read.at("states")[at])->sheet().title(), titles[at]);
    }
}

// A backup that is wrong anywhere restores nothing and says what is wrong.
TEST(SheetsBackup, ABadBackupRestoresNothing) {
    WebSheet one;
    const Json good = Json::parse(WebSheet::backUp({&one, &one}));
    auto with = [&good](const Json& patch) {
        Json file = good;
        file.merge_patch(patch);
        return file.dump();
    };
    Json badMech = good;
    badMech["sheets"][1]["mech"]["technologyBase"] = "Outer Rim";
    const std::pair<std::string, std::string> rows[] = {
        {"{", "The file is not JSON in UTF-8."},
        {with({{"format", "Vexolan Mech"}}), "It is not a backup of Vexolan's sheets."},
        {with({{"version", 2}}), "It was written by a newer version of Vexolan."},
        {with({{"version", "1"}}), "It names no version of its format."},
        {with({{"sheets", {{"mech", 1}}}}), "It holds no list of sheets."},
        {with({{"sheets", Json::array({Json::object()})}}), "Sheet 1 holds no Mech."},
        {with({{"sheets", Json::array({{{"mech", good["sheets"][0]["mech"]}, {"file", 3}}})}}),
         "Sheet 1: \"file\" is not a text."}};
    for (const auto& [bytes, fault] : rows) {
        const Json read = Json::parse(WebSheet::readBackup("b.vexsheets", bytes, "[]"));
        EXPECT_EQ(read.value("fault", ""),
                  "Cannot restore the sheets of \"b.vexsheets\":\n" + fault)
            << fault;
        EXPECT_FALSE(read.contains("states")) << fault;
    }
    const Json read = Json::parse(WebSheet::readBackup("b.vexsheets", badMech.dump(), "[]"));
    EXPECT_EQ(read.at("fault").get<std::string>().rfind(
                  "Cannot restore the sheets of \"b.vexsheets\":\nSheet 2: ", 0),
              0U);
}

// A page kept before a menu entry came along comes back whole, the entry as a fresh sheet has
// it; a control the user sets never goes missing unnoticed (NoControl above).
TEST(SheetState, AStateKeptBeforeANewMenuEntryComesBack) {
    FreshSheet played;
    act(played.sheet, "pilotName=Kai sensorsBox gunSkill=3");
    const std::string older = patched(
        sheetState(played.sheet), {{"controls", {{"mnuClose", nullptr}, {"mnuQuit", nullptr}}}});
    FreshSheet taken;
    ASSERT_EQ(restoreSheetState(older, taken.sheet), "");
    EXPECT_EQ(snapshot(taken.sheet), snapshot(played.sheet));
}

} // namespace
