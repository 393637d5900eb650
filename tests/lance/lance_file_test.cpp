// Lance files: the documented example read and written back, every kind of bad file, the open
// sheets saved and opened again, and where an opened lance's Mechs go.

#include "lance/lance_file_reader.h"
#include "lance/lance_file_writer.h"
#include "lance/lance_opening.h"
#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_on_sheet.h"
#include "support/lance_fixture.h"
#include "support/sheet_fixture.h"

#include <nlohmann/json.hpp>

#include <string>
#include <tuple>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

const std::string ExampleLance = fileText(VEXOLAN_TEST_DATA "/../docs/quillfen-lance.vexlance");

// The example with the value at `pointer` replaced by `json`.
std::string patched(const std::string& pointer, const std::string& json) {
    Json file = Json::parse(ExampleLance);
    file[Json::json_pointer(pointer)] = Json::parse(json);
    return file.dump();
}

const std::string Path = "/games/lance.vexlance";

// "Open Lance..." of the bytes, put in the store of the sheet it is chosen on.
bool open(LanceOfSheets& sheets, const std::string& bytes) {
    sheets.sheets.front().fake.fileStore.files[Path] = bytes;
    return openLanceFile(Path, sheets.lance, sheets[0],
                         [&sheets]() -> CombatSheet& { return sheets.open(); });
}

} // namespace

// The example's first Mech is the Mech file's example, and the whole writes back byte for byte.
TEST(LanceFileRoundTrip, TheExampleReadsAndWritesBackWhole) {
    FreshSheet f;
    const LanceFile lance = std::get<LanceFile>(readLanceFile(ExampleLance, f.sheet));
    ASSERT_EQ(lance.mechs.size(), 2U);
    EXPECT_EQ(lance.turn, 3);
    EXPECT_EQ(lance.mechs[0], std::get<MechFile>(readMechFile(ExampleMech, f.sheet)));
    EXPECT_EQ(lance.mechs[1].mechModel, "Brannoch BR-5");
    EXPECT_EQ(writeLanceFile(lance), ExampleLance);
}

// What a lance file holds at the edges reads: the first and the last turn, and as many Mechs as
// a file holds.
TEST(LanceFileRoundTrip, TheEdgesRead) {
    FreshSheet f;
    const std::string mostMechs =
        Json(LanceMechLimit, Json::parse(ExampleLance)["mechs"][0]).dump();
    const std::tuple<const char*, std::string, int, std::size_t> cases[] = {
        {"FirstTurn", patched("/turn", std::to_string(Lance::FirstTurn)), Lance::FirstTurn, 2},
        {"LastTurn", patched("/turn", std::to_string(Lance::LastTurn)), Lance::LastTurn, 2},
        {"MostMechs", patched("/mechs", mostMechs), 3, LanceMechLimit},
    };
    for (const auto& [name, bytes, turn, mechs] : cases) {
        const auto read = readLanceFile(bytes, f.sheet);
        ASSERT_TRUE(std::holds_alternative<LanceFile>(read)) << name;
        EXPECT_EQ(std::get<LanceFile>(read).turn, turn) << name;
        EXPECT_EQ(std::get<LanceFile>(read).mechs.size(), mechs) << name;
    }
}

// Sheets filled in by hand, saved and opened again, come back with their Mechs and the turn,
// the first on the sheet the lance is opened from, still as it opened. (Where the Mechs of a
// lance go when that sheet is in use, the random lance checks on every lance it opens.)
TEST(LanceFileOpen, SavedSheetsComeBackAndAnUntouchedSheetTakesTheFirst) {
    LanceOfSheets saved(3);
    act(saved[0], "pilotName=Ilsa_Marrow mechName=Quillfen_QF-2 gunSkill=4 clanOption "
                  "weapName(0)=erLLaser weapLoc(0)=LA doneButton rightShoulderBox");
    act(saved[2], "pilotName=Kai gunSkill=2 doneButton sensorsBox leftUpperActuatorBox");
    saved.lance.setTurn(7);
    ASSERT_TRUE(saveLanceFile(Path, saved.lance));
    LanceOfSheets opened(1);
    act(opened[0], "rangeSlider=3 rangeSlider=0");
    ASSERT_TRUE(open(opened, saved.fake.fileStore.files[Path]));
    ASSERT_EQ(opened.lance.size(), saved.lance.size());
    for (std::size_t i = 0; i < saved.lance.size(); ++i) {
        EXPECT_EQ(mechOnSheet(opened[i]), mechOnSheet(saved[i])) << i;
        EXPECT_EQ(opened[i].title(), saved[i].title()) << i;
    }
    EXPECT_EQ(opened.lance.turn(), 7);
}

TEST(LanceFileSave, NoMoreSheetsThanAFileHolds) {
    LanceOfSheets sheets(LanceMechLimit);
    EXPECT_TRUE(saveLanceFile(Path, sheets.lance));
    sheets.fake.fileStore.files.clear();
    sheets.open();
    EXPECT_FALSE(saveLanceFile(Path, sheets.lance));
    EXPECT_EQ(sheets.fake.messageBox.shown,
              std::vector<std::string>{"Cannot save the lance to \"" + Path +
                                       "\":\nA lance file holds at most 24 Mechs; 25 sheets are "
                                       "open. Close some to save the lance."});
    EXPECT_TRUE(sheets.fake.fileStore.files.empty());
}

// One message names the file and what is wrong, and nothing changes.
TEST(LanceFileOpen, ABadFileIsNamedInOneMessage) {
    const std::string mechs =
        Json(LanceMechLimit + 1, Json::parse(ExampleLance)["mechs"][0]).dump();
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> cases[] = {{
        {"", "The file is not JSON: it goes wrong at line 1, column 1."},
        {"\xc3", "The file is not UTF-8 text."},
        {std::string(LanceFileSizeLimit + 1, ' '), "The file is larger than 1 MiB, far too large for a lance file."},
        {R"({"format": "Vexolan Mech", "version": 1})", "The file is not a Vexolan lance file."},
        {R"(["Vexolan Lance"])", "The file is not a Vexolan lance file."},
        {R"({"format": "Vexolan Lance"})", "'version' is missing."},
        {patched("/version", "0"), "Version: 0 is not a version number."},
        {patched("/version", "2"), "The file is of version 2 of the lance format; this Vexolan reads versions up to 1. A newer Vexolan wrote it."},
        {R"({"format": "Vexolan Lance", "version": 1, "mechs": []})", "'turn' is missing."},
        {patched("/extra", "1"), "'extra' is not part of a lance file."},
        {patched("/turn", "0"), "Turn: 0 is not a turn from 1 to 999."},
        {patched("/turn", "1000"), "Turn: 1000 is not a turn from 1 to 999."},
        {patched("/turn", "\"3\""), "Turn: '3' is not a turn from 1 to 999."},
        {ExampleLance.substr(0, ExampleLance.find("3,")) + "3.0," + ExampleLance.substr(ExampleLance.find("3,") + 2),
         "Turn: 3.0 is not written as a whole number; a turn is a whole number from 1 to 999."},
        {patched("/mechs", "[]"), "Mechs: [] is not a list of 1 to 24 Mechs."},
        {patched("/mechs", "{}"), "Mechs: {} is not a list of 1 to 24 Mechs."},
        {patched("/mechs", mechs), "Mechs: [{\"format\":\"Vexolan Mech\",\"version\":1,\"m... is not a list of 1 to 24 Mechs."},
        {patched("/mechs/1", "null"), "Mech 2: The file is not a Vexolan Mech file."},
        {patched("/mechs/0/weapons/2/weapon", "\"Lazer\""), "Mech 1: Row 3: 'Lazer' is not a weapon of the catalogue."},
        {patched("/mechs/1/turn", "3"), "Mech 2: 'turn' is not part of a Mech file."},
        {R"({"format": "Vexolan Lance", "version": 1, "turn": 1, "turn": 2})", "The key 'turn' stands twice in one object."},
    }};
    // clang-format on
    for (const auto& [bytes, fault] : cases[0]) {
        LanceOfSheets sheets(1);
        act(sheets[0], "pilotName=Kai");
        const std::string before = snapshot(sheets[0]);
        EXPECT_FALSE(open(sheets, bytes));
        EXPECT_EQ(
            sheets.sheets[0].fake.messageBox.shown,
            std::vector<std::string>{"Cannot open the lance file \"" + Path + "\":\n" + fault});
        EXPECT_EQ(snapshot(sheets[0]), before);
        EXPECT_EQ(sheets.lance.size(), 1U);
    }
}
