// Mech files: the documented example against a sheet its user filled in, every kind of bad
// file, random sheets saved and opened again, where an opened file goes, and saving.

#include "app/single_line.h"
#include "mechfile/file_menu.h"
#include "mechfile/mech_file.h"
#include "support/sheet_fixture.h"
#include "weapons/weapon_catalogue.h"

#include <nlohmann/json.hpp>

#include <map>
#include <random>
#include <tuple>

namespace {

using Json = nlohmann::ordered_json;
using Texts = std::vector<std::string>;
using Answer = platform::MessageBox::Answer;

const std::string CannotOpen = "Cannot open the Mech file \"";

// The example with the value at `pointer` set to `text` as it stands where it is JSON, or as a
// text where it is none; without a pointer, `text` is the whole file.
std::string patched(const std::string& pointer, const std::string& text) {
    if (pointer.empty()) {
        return text;
    }
    const bool json = Json::accept(text);
    const std::string mark = "\"patched here\"";
    Json file = Json::parse(ExampleMech);
    file[Json::json_pointer(pointer)] = json ? Json::parse(mark) : Json(text);
    std::string bytes = file.dump();
    if (json) {
        bytes.replace(bytes.find(mark), mark.size(), text);
    }
    return bytes;
}

// The user chooses these files, each put in the store first, under "Open Mech...".
void open(FreshSheet& f, const std::map<std::string, std::string>& files) {
    f.fake.fileDialog.toOpen.clear();
    for (const auto& [path, bytes] : files) {
        f.fake.fileStore.files[path] = bytes;
        f.fake.fileDialog.toOpen.push_back(path);
    }
    act(f.sheet, "mnuOpen");
}

// Entered by hand, the example gives the same sheet: shoulder rule, title and all.
TEST(MechFileOpen, TheExampleOpensAsItsUserWouldEnterIt) {
    FreshSheet opened, byHand;
    open(opened, {{"a", ExampleMech}});
    act(byHand.sheet,
        "mechName=Quillfen_QF-2 pilotName=Ilsa_Marrow gunSkill=4 pilotSkill=5 amsBox "
        "clusterMunitionsBox weapName(0)=LB-10X_AC weapLoc(0)=RT weapName(1)=LRM20 weapLoc(1)=LT "
        "weapName(2)=SRM6 weapLoc(2)=LT weapName(3)=MLaser weapLoc(3)=RA "
        "weapName(4)=MLaser weapLoc(4)=LA weapName(5)=MLaser weapLoc(5)=CT "
        "weapName(6)=MLaser weapLoc(6)=CT leftShoulderBox leftLowerActuatorBox doneButton");
    byHand.sheet.mechFile = "a";
    EXPECT_EQ(snapshot(opened.sheet), snapshot(byHand.sheet));
}

TEST(MechFileOpen, ABadFileGivesOneMessageAndChangesNothing) {
    const std::string w30(30, 'W'), w34(34, 'W'),
        big(MechFileSizeLimit + 1 - ExampleMech.size(), ' ');
    const std::string grayed = "Right arm: an actuator stands grayed only under a hit shoulder.";
    const std::string utf8 = "The file is not UTF-8 text.";
    const std::string control =
        "Pilot name: a name cannot hold a line break or other control character.";
    const std::string turns = ": a name cannot hold a character that changes the direction of "
                              "the text (U+202A to U+202E, U+2066 to U+2069).";
    // clang-format off
    const std::tuple<std::string, std::string, std::string> cases[] = {
        {"", "", "The file is not JSON: it goes wrong at line 1, column 1."},
        {"", "{\n \"\u00dc\": x}", "The file is not JSON: it goes wrong at line 2, column 7."},
        {"", std::string("{}\n {\0}", 7), "The file is not JSON: it goes wrong at line 2, column 3."},
        {"", ExampleMech + "\xe2\x82", utf8}, {"", "\xc3", utf8}, {"", "\x80", utf8}, {"", "\xc1\xbf", utf8},
        {"", "\xe0\x9f\xbf", utf8}, {"", "\xed\xa0\x80", utf8}, {"", "\xf0\x8f\xbf\xbf", utf8},
        {"", "\xf4\x90\x80\x80", utf8}, {"", "\xf5z", utf8}, {"", "\xe2\x28\xa1", utf8},
        {"", "\xe2\x82\x28", utf8}, {"", "\xf0\x9d\x94\x28", utf8},
        {"", ExampleMech + big, "The file is larger than 1 MiB, far too large for a Mech file."},
        {"", "[\"Vexolan Mech\"]", "The file is not a Vexolan Mech file."},
        {"", R"({"version": 1})", "The file is not a Vexolan Mech file."},
        {"", R"({"format": "Vexolan Mech"})", "'version' is missing."},
        {"", R"({"format": "Vexolan Mech", "version": 1e999})", "The file holds a number too large to read."},
        {"/mechModel", "[[[[[[[[[]]]]]]]]]", "The file nests lists and objects deeper than a Mech file does."},
        {"/mechModel", "[[[[[[[[]]]]]]]]", "Mech model: [[[[[[[[]]]]]]]] is not a text in quotes."},
        {"/format", "Vexolan Lance", "The file is not a Vexolan Mech file."},
        {"/version", "0", "Version: 0 is not a version number."},
        {"/version", R"("1")", "Version: '1' is not a version number."},
        {"/version", "2", "The file is of version 2 of the Mech format; this Vexolan reads versions up to 1. A newer Vexolan wrote it."},
        {"/weapons/2/weapon", "Lazer", "Row 3: 'Lazer' is not a weapon of the catalogue."},
        {"/weapons/2/location", "RH", "Row 3: 'RH' is not a location (RA, RL, RT, CT, LT, LL, LA or H)."},
        {"/weapons/0", "[\"\u00dc\"]", "Row 1: [\"\u00dc\"] is not an object in braces."},
        {"/weapons/0/weapon", w34 + "ÜÜ", "Row 1: '" + w34 + "ÜÜ' is not a weapon of the catalogue."},
        {"/weapons/0/weapon", w30 + "ÜÜÜÜÜ", "Row 1: '" + w30 + "ÜÜÜÜ... is not a weapon of the catalogue."},
        {"/weapons/1", R"({"weapon": null})", "Row 2: 'location' is missing."},
        {"/weapons/1/ammo", "20", "Row 2: 'ammo' is not part of a Mech file."},
        {"/weapons", "[null]", "Weapons: [null] is not a list of 12 rows."},
        {"/gunnerySkill", "13", "Gunnery skill: 13 is not a skill from 0 to 12."},
        {"/gunnerySkill", "-1", "Gunnery skill: -1 is not a skill from 0 to 12."},
        {"/gunnerySkill", "99999999999999999999", "Gunnery skill: 99999999999999999999 is not a skill from 0 to 12."},
        {"/gunnerySkill", "4.0", "Gunnery skill: 4.0 is not written as a whole number; a skill is a whole number from 0 to 12."},
        {"/pilotingSkill", "4.50", "Piloting skill: 4.50 is not written as a whole number; a skill is a whole number from 0 to 12."},
        {"/pilotingSkill", "1E30", "Piloting skill: 1E30 is not written as a whole number; a skill is a whole number from 0 to 12."},
        {"/version", "1e30", "Version: 1e30 is not a version number."},
        {"/mechModel", "[0.10, {\"\u00c4\": -2e-0}]", "Mech model: [0.10,{\"\u00c4\":-2e-0}] is not a text in quotes."},
        {"/technologyBase", "Clan ", "Technology base: 'Clan ' is neither 'Inner Sphere' nor 'Clan'."},
        {"/pilotName", "Kai\tMarrow", control}, {"/pilotName", "Kai\x7f", control},
        {"/mechModel", "Kai\u2029", "Mech model: a name cannot hold a line break or other control character."},
        {"/mechModel", "Kai\u202aStone", "Mech model" + turns}, {"/pilotName", "Kai\u2069", "Pilot name" + turns},
        {"/mechModel", std::string(81, 'Q'), "Mech model: a name holds at most 80 characters; this one holds 81."},
        {"/pilotName", times(81, "\u00dc"), "Pilot name: a name holds at most 80 characters; this one holds 81."},
        {"/pilotName", std::string(1000000, 'K'), "Pilot name: a name holds at most 80 characters; this one holds 1000000."},
        {"/equipment/ams", "1", "AMS: 1 is not true or false."},
        {"/damage", R"({"sensors": true, "leftArm": 1})", "Damage: 'rightArm' is missing."},
        {"/damage/rightArm/upperActuator", "grayed", grayed},
        {"/damage/rightArm/lowerActuator", "grayed", grayed},
        {"/damage/leftArm/lowerActuator", "hit", "Left arm lower actuator: 'hit' is not 'unticked', 'ticked' or 'grayed'."},
        {"/damage/leftArm/elbow", "true", "Left arm: 'elbow' is not part of a Mech file."},
        {"/extra", "1", "'extra' is not part of a Mech file."},
        {"", R"({"format": "Vexolan Mech", "version": 1, "version": 1})", "The key 'version' stands twice in one object."},
        {"/equipment", R"({"ams": true, "c3MasterSlave": false, "ams": true})", "The key 'ams' stands twice in one object."},
        {"/weapons/4", R"({"weapon": null, "location": "RA", "weapon": null})", "The key 'weapon' stands twice in one object."},
    };
    // clang-format on
    for (const auto& [pointer, value, fault] : cases) {
        FreshSheet f;
        const std::string before = snapshot(f.sheet);
        open(f, {{"a", patched(pointer, value)}});
        EXPECT_EQ(f.fake.messageBox.shown, Texts{CannotOpen + "a\":\n" + fault});
        EXPECT_EQ(snapshot(f.sheet), before);
    }
}

// Each part of a Mech in the order a sheet is filled in, the technology base before the
// weapons, so that the rows show that base's figures.
std::string randomMech(std::mt19937& random) {
    auto roll = [&random](std::size_t n) { return random() % n; };
    // Names with the first and last characters of every length of UTF-8 and either side of the
    // surrogates, which are no characters.
    const char* const names[] = {"", "Quillfen", "Ilsa_Marrow", "{\"}:/",
                                 "\u0080\u07ff\u0800\ud7ff\ue000\uffff\U00010000\U0010ffff"};
    // clang-format off
    const char* const clicks[] = {"innerSphereOption", "clanOption", "amsBox", "artemisBox",
        "apPodsBox", "c3Box", "clusterMunitionsBox", "ecmBox", "sensorsBox", "rightShoulderBox",
        "rightUpperActuatorBox", "rightLowerActuatorBox", "leftShoulderBox",
        "leftUpperActuatorBox", "leftLowerActuatorBox"};
    // clang-format on
    std::string script = std::string("mechName=") + names[roll(5)] + " pilotName=" + names[roll(5)];
    for (const char* skill : {" gunSkill=", " pilotSkill="}) {
        script +=
            roll(4) ? std::string(skill).append(std::to_string(roll(rules::WorstSkill + 1))) : "";
    }
    for (std::size_t step = 0, steps = roll(60); step < steps; ++step) {
        std::string weapon(WEAPON_CHOICES[roll(WEAPON_CHOICES.size())]);
        std::replace(weapon.begin(), weapon.end(), ' ', '_');
        const std::string row = std::string("(").append(std::to_string(roll(WEAPON_ROWS))) + ")=";
        script += step < steps / 3       ? std::string(" ") + clicks[roll(8)]
                  : step > steps * 2 / 3 ? std::string(" ") + clicks[8 + roll(7)]
                  : roll(2)              ? " weapName" + row + weapon
                            : " weapLoc" + row + std::string(WEAPON_LOCATIONS[roll(8)]);
    }
    return script + " doneButton";
}

// Saved and opened on a new sheet, a Mech gives the same controls, values and title, the row
// fill under its technology base and the shoulder rule included; saved again, the same file.
// What a user may type or paste into a name: line breaks of every kind, tabs, escapes and other
// control characters, characters that change the direction of the text, bytes that are no
// UTF-8, ordinary text, and more than a name holds, so that names of exactly the longest length,
// in characters of every width, are saved and opened too.
std::string randomPaste(std::mt19937& random) {
    // clang-format off
    const char* const pieces[] = {"\t", "\r\n", "\n", "\r", "\x1b[0m", "\xe2\x80\xa8", "\xc2\x85",
        "\x7f", "\xc2\x9b", "\xff", "\xe2\x82", " ", "Kai Stone", "\u00e9", "\U0001f600", "\v\f", "\0",
        "{\"}:/", "\u202e", "\u2066", "\u2069",
        "Kai Stone of the Third Company, Ilsa Marrow's Lance, the Quillfen Guard of the Long Coast"};
    // clang-format on
    std::string text;
    for (std::size_t piece = 0, count = random() % 8; piece < count; ++piece) {
        text += pieces[random() % std::size(pieces)];
    }
    return text;
}

TEST(MechFileRoundTrip, RandomSheetsComeBackWhole) {
    std::mt19937 random(2026);
    for (int sheet = 0; sheet < 300 && !testing::Test::HasFailure(); ++sheet) {
        FreshSheet saved, opened;
        const std::string script = randomMech(random);
        SCOPED_TRACE(script);
        saved.fake.fileDialog.toSave = "r";
        act(saved.sheet, script);
        // Whatever is pasted into a name, the title stays one line and the file holds it.
        saved.sheet.mechName.userType(saved.sheet.mechName.text() + randomPaste(random));
        saved.sheet.pilotName.userType(randomPaste(random) + saved.sheet.pilotName.text());
        EXPECT_TRUE(isSingleLine(saved.sheet.title())) << saved.sheet.title();
        act(saved.sheet, "mnuSave");
        open(opened, saved.fake.fileStore.files);
        act(opened.sheet, "mnuSave");
        EXPECT_EQ(snapshot(opened.sheet), snapshot(saved.sheet));
        EXPECT_EQ(opened.fake.fileStore.files, saved.fake.fileStore.files);
        EXPECT_EQ(opened.fake.messageBox.shown, Texts{});
    }
}

// A sheet as it opened takes the file, however much its user looked around; any trace of use
// sends the file to a new sheet. A bad file among several stops nothing, and a file open
// already opens no second sheet.
TEST(MechFileOpen, AnUntouchedSheetTakesTheFileAndOthersGetNewSheets) {
    // clang-format off
    for (const auto& [use, untouched] : std::initializer_list<std::pair<const char*, bool>>{
             {"", true},
             {"calculateButton mnuHelp mnuAbout mnuEdit mnuNew amsBox amsBox clearButton", true},
             {"doneButton", false}, {"pilotName=K pilotName=", false}, {"rangeSlider=3", false},
             {"hexLW=1", false}, {"declarationBox=x", false}, {"clanOption", false},
             {"sensorsBox", false}}) {
        // clang-format on
        FreshSheet f;
        f.fake.fileStore.files = {{"good", ExampleMech}, {"bad", "{"}};
        f.fake.fileDialog.toOpen = {"bad", "good", "good", "bad", "missing"};
        act(f.sheet, use);
        const std::string before = snapshot(f.sheet);
        const std::size_t messages = f.fake.messageBox.shown.size();
        act(f.sheet, "mnuOpen");
        EXPECT_EQ(f.fake.messageBox.shown.size() - messages, 3u) << use;
        EXPECT_EQ(f.fake.messageBox.shown.back(),
                  CannotOpen + "missing\":\nThe file does not exist.");
        EXPECT_EQ(f.sheet.mechFile, untouched ? "good" : "") << use;
        // The second choice of the good file finds it open already, and only shows its sheet.
        EXPECT_EQ(f.fake.windows.sheetsOpenedFor, Texts(untouched ? 0 : 1, "good")) << use;
        EXPECT_EQ(snapshot(f.sheet) == before, !untouched) << use;
    }
}

// Save keeps to the sheet's file; without one it asks as Save As does, suggesting the Mech's
// name; a cancel or a refused write leaves the sheet's file as it was.
TEST(MechFileSave, SaveKeepsToTheSheetsFile) {
    FreshSheet f;
    act(f.sheet, "mnuSave mechName=../A_7:? mnuSaveAs mechName=.. mnuSave");
    EXPECT_TRUE(f.fake.fileStore.files.empty());
    EXPECT_TRUE(f.sheet.mechFile.empty());
    f.fake.fileDialog.toSave = "a";
    act(f.sheet, "mnuSave mechName=Quillfen mnuSave");
    f.fake.fileDialog.toSave = "b";
    f.fake.fileStore.writeRefusal = "No space left on device";
    const std::string before = snapshot(f.sheet);
    act(f.sheet, "mnuSaveAs");
    EXPECT_EQ(snapshot(f.sheet), before);
    EXPECT_EQ(f.fake.fileDialog.suggested,
              (Texts{"Mech.vexmech", "..-A 7--.vexmech", "Mech.vexmech", "Mech.vexmech", "a"}));
    EXPECT_EQ(f.fake.messageBox.shown,
              Texts{"Cannot save the Mech to \"b\":\nNo space left on device"});
    EXPECT_EQ(f.fake.fileStore.files.size(), 1u);
    EXPECT_NE(f.fake.fileStore.files["a"].find("\"mechModel\": \"Quillfen\""), std::string::npos);
}

// A sheet with a file of its own tells a change from it, and asks before it closes with one:
// Save writes the file, Discard loses the change, Cancel keeps the sheet open. Taking a change
// back is no change; a sheet without a file closes without a word.
TEST(MechFileClose, AskedOnlyWithChangesTheFileLacks) {
    // clang-format off
    const std::tuple<const char*, const char*, std::vector<Answer>, bool, bool, bool, int> cases[] = {
        // name, the change, the answers, the write refused, closes, saved, questions asked
        {"Unchanged", "", {}, false, true, false, 0},
        {"ChangeTakenBack", "sensorsBox sensorsBox rangeSlider=3 walkedOption", {}, false, true, false, 0},
        {"Saved", "sensorsBox", {Answer::Save}, false, true, true, 1},
        {"Discarded", "pilotName=Other", {Answer::Discard}, false, true, false, 1},
        {"Cancelled", "weapLoc(3)=H", {Answer::Cancel}, false, false, false, 1},
        {"SavingFails", "clanOption", {Answer::Save}, true, false, false, 1},
    };
    // clang-format on
    for (const auto& [name, change, answers, writeRefused, closes, saved, questions] : cases) {
        FreshSheet f;
        open(f, {{"m", ExampleMech}});
        act(f.sheet, change);
        f.fake.messageBox.answers = answers;
        f.fake.fileStore.writeRefusal = writeRefused ? "No space left on device" : "";
        EXPECT_EQ(hasUnsavedChanges(f.sheet), questions > 0) << name;
        EXPECT_EQ(mayClose(f.sheet), closes) << name;
        EXPECT_EQ(f.fake.messageBox.asked.size(), std::size_t(questions)) << name;
        EXPECT_EQ(f.fake.fileStore.files["m"] != ExampleMech, saved) << name;
    }
    FreshSheet fileless;
    act(fileless.sheet, "mechName=New sensorsBox");
    EXPECT_FALSE(hasUnsavedChanges(fileless.sheet));
    EXPECT_TRUE(mayClose(fileless.sheet));
    EXPECT_EQ(fileless.fake.messageBox.asked, Texts{});
}

// Someone else saved the sheet's file since the sheet opened or saved it: Save asks first.
// Cancel leaves both the file and the sheet as they are; Overwrite writes the sheet's Mech. A
// file that this sheet wrote last, that holds the very bytes the sheet read, or that is gone, is
// written without a question.
TEST(MechFileSave, AFileChangedOnDiskAsksBeforeItIsOverwritten) {
    const std::string theirs = patched("/pilotName", "Other Pilot");
    const std::string untouched = "untouched", gone = "gone";
    // clang-format off
    const std::tuple<const char*, const char*, std::string, std::vector<Answer>, bool, bool> cases[] = {
        // name, what the user does before the file changes, what someone else leaves in the
        // file (or leaves it untouched, or removes it), the answers, asked, written
        {"Cancelled", "", theirs, {Answer::Cancel}, true, false},
        {"Overwritten", "", theirs, {Answer::Overwrite}, true, true},
        {"ChangedAfterASave", "sensorsBox mnuSave", theirs, {Answer::Cancel}, true, false},
        {"GrownTooLarge", "", std::string(MechFileSizeLimit + 1, ' '), {Answer::Cancel}, true, false},
        {"SameBytesAgain", "", ExampleMech, {}, false, true},
        {"SavedByThisSheet", "sensorsBox mnuSave", untouched, {}, false, true},
        {"Gone", "", gone, {}, false, true},
    };
    // clang-format on
    for (const auto& [name, before, leftOnDisk, answers, asked, written] : cases) {
        FreshSheet f;
        auto& files = f.fake.fileStore.files;
        open(f, {{"m", ExampleMech}});
        act(f.sheet, before);
        if (leftOnDisk == gone) {
            files.erase("m");
        } else if (leftOnDisk != untouched) {
            files["m"] = leftOnDisk;
        }
        const std::map<std::string, std::string> disk = files;
        act(f.sheet, "pilotName=Mine");
        const std::string sheet = snapshot(f.sheet);
        f.fake.messageBox.answers = answers;
        act(f.sheet, "mnuSave");
        EXPECT_EQ(f.fake.messageBox.asked.size(), asked ? 1u : 0u) << name;
        EXPECT_EQ(snapshot(f.sheet), sheet) << name;
        EXPECT_EQ(hasUnsavedChanges(f.sheet), !written) << name;
        EXPECT_EQ(files == disk, !written) << name;
        EXPECT_EQ(files.count("m") > 0 && files.at("m").find("\"Mine\"") != std::string::npos,
                  written)
            << name;
        EXPECT_EQ(f.fake.messageBox.shown, Texts{}) << name;
    }
}

// The question names the file; a sheet closing with Save waits on it, and stays open when its
// user cancels there.
TEST(MechFileSave, TheQuestionNamesTheFileAndAClosingSheetStaysOpenOnCancel) {
    FreshSheet f;
    open(f, {{"m", ExampleMech}});
    act(f.sheet, "sensorsBox");
    f.fake.fileStore.files["m"] = patched("/pilotName", "Other Pilot");
    f.fake.messageBox.answers = {Answer::Save, Answer::Cancel};
    EXPECT_FALSE(mayClose(f.sheet));
    EXPECT_EQ(f.fake.messageBox.asked,
              (Texts{saveQuestion(f.sheet),
                     "The Mech file \"m\" has changed on disk since this sheet opened or saved "
                     "it.\nOverwrite it with the Mech on this sheet?"}));
    EXPECT_NE(f.fake.fileStore.files["m"].find("Other Pilot"), std::string::npos);
    f.fake.messageBox.answers = {Answer::Save, Answer::Overwrite};
    EXPECT_TRUE(mayClose(f.sheet));
    EXPECT_EQ(f.fake.fileStore.files["m"].find("Other Pilot"), std::string::npos);
}

} // namespace
