// The sheet of a browser page: driven by the names of its controls, telling only what changed
// and what it asks of the page, and kept whole across a reload.

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
    const Json update = Json::parse(sheet.click("dmgShoulder1"));
    EXPECT_EQ(changedPlaces(update), (std::vector<int>{placeNamed(layout, "dmgShoulder1"),
                                                       placeNamed(layout, "dmgUpperAct1"),
                                                       placeNamed(layout, "dmgLowerAct1")}));
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
    sheet.click("dmgSensor1");
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
        "weapName(5)=MPLaser clusterMunitionsBox aMove3 aHeat2 dmgShoulder1 dmgUpperAct1 tMove4 "
        "tWater0 tProne0 hexLW=1.5 fireCheck(0) fireCheck(3) calculateButton declareButton "
        "declarationBox=edited mnuEdit",
        "weapName(2)=PPC sRange(2)=x rangeSlider=1 tAdjHex0 tImmobile0 selectAllBox mnuNew"};
    for (const char* game : games) {
        FreshSheet played;
        act(played.sheet, game);
        played.sheet.mechFile = "mine.vexmech";
        played.sheet.savedMech = "{}";
        FreshSheet taken;
        ASSERT_TRUE(restoreSheetState(sheetState(played.sheet), taken.sheet)) << game;
        EXPECT_EQ(snapshot(taken.sheet), snapshot(played.sheet)) << game;
        EXPECT_EQ(taken.sheet.zoom, played.sheet.zoom) << game;
        EXPECT_EQ(taken.sheet.savedMech, played.sheet.savedMech) << game;
    }
    const std::string kept = sheetState(FreshSheet().sheet);
    const std::pair<const char*, std::string> bad[] = {
        {"Empty", ""},
        {"NoObject", "[]"},
        {"OtherVersion", patched(kept, {{"version", 2}})},
        {"BoxValue", patched(kept, {{"controls", {{"dmgSensor1", {{"value", 3}}}}}})},
        {"NoControl", patched(kept, {{"controls", {{"aMove1", nullptr}}}})},
        {"TechBase", patched(kept, {{"techBase", 3}})}};
    for (const auto& [name, state] : bad) {
        FreshSheet f;
        act(f.sheet, "pilotName=Kai dmgSensor1");
        const std::string before = snapshot(f.sheet);
        EXPECT_FALSE(restoreSheetState(state, f.sheet)) << name;
        EXPECT_EQ(snapshot(f.sheet), before) << name;
    }
}

// A page kept before a menu entry came along comes back whole, the entry as a fresh sheet has
// it; a control the user sets never goes missing unnoticed (NoControl above).
TEST(SheetState, AStateKeptBeforeANewMenuEntryComesBack) {
    FreshSheet played;
    act(played.sheet, "pilotName=Kai dmgSensor1 gunSkill=3");
    const std::string older = patched(
        sheetState(played.sheet), {{"controls", {{"mnuClose", nullptr}, {"mnuQuit", nullptr}}}});
    FreshSheet taken;
    ASSERT_TRUE(restoreSheetState(older, taken.sheet));
    EXPECT_EQ(snapshot(taken.sheet), snapshot(played.sheet));
}

} // namespace
