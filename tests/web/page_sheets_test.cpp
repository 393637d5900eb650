// The sheets of a browser page: which sheet opens each file, saving beside the other sheets'
// files, closing and taking a sheet back, a new sheet, a backup restored among the sheets; the
// lance of the page's sheets.

#include "layout/sheet_layout.h"
#include "mechfile/mech_file.h"
#include "support/sheet_fixture.h"
#include "web/page_sheets.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <tuple>

namespace {

using Json = nlohmann::json;
using Texts = std::vector<std::string>;

std::vector<int> orderOf(const PageSheets& sheets) {
    return Json::parse(sheets.order()).get<std::vector<int>>();
}

// The file of each sheet, in the order of the tabs.
Texts filesOf(PageSheets& sheets) {
    Texts files;
    for (int id : orderOf(sheets)) {
        files.push_back(Json::parse(sheets.view(id)).at("update").at("window").at("mechFile"));
    }
    return files;
}

int placeOf(const PageSheets& sheets, int id) {
    const std::vector<int> order = orderOf(sheets);
    const auto found = std::find(order.begin(), order.end(), id);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

// A file of these names holds the example Mech, except "bad.vexmech".
PageSheets::Files filesNamed(const Texts& names) {
    PageSheets::Files files;
    for (const std::string& name : names) {
        files.emplace_back(name, name == "bad.vexmech" ? "{" : ExampleMech);
    }
    return files;
}

TEST(PageSheets, EachFileOpensOnTheRightSheet) {
    // The name; the files open on sheets before the one they are chosen on; what that sheet
    // holds: nothing, "typed", or a file; the files chosen; every sheet's file afterwards, in the
    // order of the tabs; the place of the sheet brought to the front, or -1.
    // clang-format off
    const std::tuple<const char*, Texts, std::string, Texts, Texts, int> rows[] = {
        {"UntouchedTakesTheFirst", {}, "", {"a.vexmech", "b.vexmech"}, {"a.vexmech", "b.vexmech"}, -1},
        {"TouchedKeepsWhatItHolds", {}, "typed", {"a.vexmech"}, {"", "a.vexmech"}, -1},
        {"HeldGoesToTheFront", {"a.vexmech"}, "", {"a.vexmech"}, {"a.vexmech", ""}, 0},
        {"HeldAndNew", {"a.vexmech"}, "", {"a.vexmech", "b.vexmech"}, {"a.vexmech", "b.vexmech"}, 0},
        {"ItsOwnFileStays", {}, "a.vexmech", {"a.vexmech"}, {"a.vexmech"}, -1},
        {"BadFileOpensNothing", {}, "typed", {"bad.vexmech"}, {""}, -1},
    };
    // clang-format on
    for (const auto& [name, held, before, chosen, files, front] : rows) {
        PageSheets sheets;
        for (const std::string& file : held) {
            sheets.openFiles(sheets.newSheet(CombatSheet::ActualSize), filesNamed({file}));
        }
        const int chosenOn = sheets.newSheet(CombatSheet::ActualSize);
        if (before == "typed") {
            sheets.type(chosenOn, "mechName", "Kai");
        } else if (!before.empty()) {
            sheets.openFiles(chosenOn, filesNamed({before}));
        }
        const Json opened = Json::parse(sheets.openFiles(chosenOn, filesNamed(chosen)));
        EXPECT_EQ(filesOf(sheets), files) << name;
        EXPECT_EQ(placeOf(sheets, opened.at("front")), front) << name;
    }
}

// A Mech file of the size limit opens; one byte more and it is refused.
TEST(PageSheets, AFileOfTheSizeLimitOpens) {
    for (const auto& [beyond, files] : {std::pair(0U, Texts{"a.vexmech"}), {1U, Texts{""}}}) {
        PageSheets sheets;
        std::string bytes = ExampleMech;
        bytes.resize(MechFileSizeLimit + beyond, ' ');
        sheets.openFiles(sheets.newSheet(CombatSheet::ActualSize), {{"a.vexmech", bytes}});
        EXPECT_EQ(filesOf(sheets), files) << beyond << " bytes beyond the limit";
    }
}

// Save As asks with the sheet's own file or a name made from the Mech's; Save asks only
// without a file of its own. A name another sheet holds is refused, and no longer once that
// sheet is closed.
TEST(PageSheets, SavingGoesToTheChosenName) {
    PageSheets sheets;
    const int holder = sheets.newSheet(CombatSheet::ActualSize);
    sheets.openFiles(holder, filesNamed({"a.vexmech"}));
    const int other = sheets.newSheet(CombatSheet::ActualSize);
    sheets.type(other, "mechName", "Brindle");
    // Save and Save As on the sheet with a file, then on the other.
    EXPECT_EQ((Texts{sheets.nameToAsk(holder, false), sheets.nameToAsk(holder, true),
                     sheets.nameToAsk(other, false), sheets.nameToAsk(other, true)}),
              (Texts{"", "a.vexmech", "Brindle.vexmech", "Brindle.vexmech"}));
    const auto downloads = [](const std::string& answer) {
        const Json update = Json::parse(answer).at("update");
        Texts names;
        for (const Json& file : update.at("requests").at("downloads")) {
            names.push_back(file.at("name"));
        }
        return names;
    };
    EXPECT_EQ(downloads(sheets.click(other, "mnuSaveAs")), Texts{}); // no name given yet
    EXPECT_EQ(downloads(sheets.save(holder)), Texts{"a.vexmech"});
    const Json refused = Json::parse(sheets.saveTo(other, "a.vexmech")).at("update");
    EXPECT_EQ(refused.at("requests").at("messages"),
              Texts{"Cannot save the Mech to \"a.vexmech\":\nThe file is open on another sheet; "
                    "save it there, or close that sheet first."});
    EXPECT_EQ(downloads(sheets.saveTo(other, "b.vexmech")), Texts{"b.vexmech"});
    sheets.close(holder);
    EXPECT_EQ(downloads(sheets.saveTo(other, "a.vexmech")), Texts{"a.vexmech"});
    EXPECT_EQ(filesOf(sheets), Texts{"a.vexmech"});
}

// A closed sheet comes back from what closing gave, at the place asked, and keeps it as its state;
// a state that does not restore adds no sheet, and a closed sheet has none.
TEST(PageSheets, AClosedSheetComesBackWhereItStood) {
    PageSheets sheets;
    const int first = sheets.newSheet(CombatSheet::ActualSize);
    sheets.openFiles(first, filesNamed({"a.vexmech"}));
    const int second = sheets.newSheet(CombatSheet::ActualSize);
    const int third = sheets.newSheet(CombatSheet::ActualSize);
    const std::string kept = sheets.close(second);
    EXPECT_EQ(orderOf(sheets), (std::vector<int>{first, third}));
    const int back = sheets.restore(kept, 1);
    EXPECT_EQ(orderOf(sheets), (std::vector<int>{first, back, third}));
    EXPECT_EQ(sheets.restore("{", 0), 0);
    EXPECT_EQ(orderOf(sheets).size(), 3U);
    EXPECT_EQ(sheets.state(back), kept);
    EXPECT_EQ(sheets.state(second), "");
    EXPECT_EQ(sheets.close(back), kept);
}

// New Mech opens a sheet after the others at the zoom of the sheet it was chosen on. A sheet's
// range chart comes from that sheet; a sheet that is gone has none.
TEST(PageSheets, NewMechOpensASheetAtTheSameZoomWithItsOwnRangeChart) {
    PageSheets sheets;
    const int first = sheets.newSheet(CombatSheet::ActualSize);
    sheets.click(first, "mnuZoomIn");
    const Json answer = Json::parse(sheets.click(first, "mnuNew"));
    ASSERT_EQ(answer.at("opened").size(), 1U);
    const int added = answer.at("opened")[0];
    EXPECT_TRUE(answer.at("newSheet"));
    EXPECT_EQ(placeOf(sheets, added), 1);
    EXPECT_EQ(Json::parse(sheets.view(added)).at("update").at("window").at("zoom"),
              Json::parse(sheets.view(first)).at("update").at("window").at("zoom"));
    EXPECT_NE(sheets.rangeChartJson(added), "{}");
    EXPECT_EQ(sheets.rangeChartJson(added + 1), "{}");
}

// A backup's sheets come after the others, a file one of them holds left off its copy; a bad
// backup adds none. (The backup's own test compares each sheet restored with the one kept.)
TEST(PageSheets, ABackupRestoresAfterTheSheets) {
    PageSheets sheets;
    const int first = sheets.newSheet(CombatSheet::ActualSize);
    sheets.openFiles(first, filesNamed({"a.vexmech"}));
    sheets.newSheet(CombatSheet::ActualSize);
    const Json restored = Json::parse(sheets.restoreBackup("all.vexsheets", sheets.backUp()));
    EXPECT_EQ(restored.at("opened").size(), 2U);
    EXPECT_EQ(filesOf(sheets), (Texts{"a.vexmech", "", "", ""}));
    EXPECT_TRUE(Json::parse(sheets.restoreBackup("bad.vexsheets", "{")).contains("fault"));
    EXPECT_EQ(orderOf(sheets).size(), 4U);
}

Json lanceOf(PageSheets& sheets, bool whole = false) {
    return Json::parse(sheets.lanceJson(whole));
}

// Each changed line's index, its sheet's id and its Mech cell.
std::vector<std::tuple<int, int, std::string>> linesOf(const Json& lance) {
    std::vector<std::tuple<int, int, std::string>> lines;
    for (const Json& line : lance.at("lines")) {
        lines.emplace_back(line[0], line[1].at("id"), line[1].at("cells")[0]);
    }
    return lines;
}

} // namespace

// The lance view tells again only the lines of the sheets that changed, each with its sheet.
TEST(PageLance, TellsTheLinesOfTheSheetsThatChanged) {
    using Lines = std::vector<std::tuple<int, int, std::string>>;
    // The name; the pilot typed on the first and on the second sheet (none: the name they hold
    // already); the lines told then.
    const std::tuple<const char*, std::string, std::string, Lines> rows[] = {
        {"Nothing", "", "", {}},
        {"Both", "Kai", "Ilsa", {{0, 1, "Kai:"}, {1, 2, "Ilsa:"}}},
    };
    for (const auto& [name, first, second, lines] : rows) {
        PageSheets sheets;
        sheets.newSheet(CombatSheet::ActualSize);
        sheets.newSheet(CombatSheet::ActualSize);
        EXPECT_EQ(lanceOf(sheets, true).at("lines").size(), 2U) << name;
        sheets.type(1, "pilotName", first);
        sheets.type(2, "pilotName", second);
        EXPECT_EQ(linesOf(lanceOf(sheets)), lines) << name;
    }
}

// Next Turn tells every sheet's changes, and its undo every sheet's whole view, the turn before.
// (The page's own test reads the turn and the undo's button in the lance's lines.)
TEST(PageLance, NextTurnAndItsUndo) {
    PageSheets sheets;
    const int attacking = sheets.newSheet(CombatSheet::ActualSize);
    const int idle = sheets.newSheet(CombatSheet::ActualSize);
    sheets.click(attacking, "targetJumpedBox");
    const Json next = Json::parse(sheets.nextTurn());
    EXPECT_EQ(next.at("sheets")[0][0], attacking);
    EXPECT_FALSE(next.at("sheets")[0][1].at("changed").empty());
    EXPECT_EQ(next.at("sheets")[1][0], idle);
    EXPECT_EQ(sheets.turn(), 2);
    const Json undone = Json::parse(sheets.undoNextTurn());
    const std::size_t places = sheet::sheetLayout().size();
    EXPECT_EQ(undone.at("sheets")[0][1].at("changed").size(), places);
    EXPECT_EQ(undone.at("sheets")[1][1].at("changed").size(), places);
    EXPECT_EQ(sheets.turn(), 1);
}

// A saved lance opens on another page as it was: its Mechs on sheets, the first on the
// untouched one, and its turn. (The page's own test reads a bad lance file and the name saved.)
TEST(PageLance, FilesRoundTrip) {
    PageSheets saving;
    for (const char* pilot : {"Kai", "Ilsa"}) {
        saving.type(saving.newSheet(CombatSheet::ActualSize), "pilotName", pilot);
    }
    saving.nextTurn();
    const Json saved = Json::parse(saving.saveLance(PageSheets::lanceFileName()));
    ASSERT_EQ(saved.at("downloads").size(), 1U);
    PageSheets opening;
    const int untouched = opening.newSheet(CombatSheet::ActualSize);
    const Json opened = Json::parse(
        opening.openLance(untouched, "my.vexlance", saved.at("downloads")[0].at("bytes")));
    EXPECT_TRUE(opened.at("update").at("requests").at("messages").empty());
    EXPECT_EQ(opened.at("opened"), Json({2}));
    EXPECT_EQ(opening.turn(), 2);
    EXPECT_EQ(linesOf(lanceOf(opening, true)), linesOf(lanceOf(saving, true)));
}
