// The lance view: a line per sheet, what it says, and what update() tells after changes on
// some of the sheets.

#include "layout/lance_scene.h"
#include "layout/sheet_scene.h"
#include "support/lance_fixture.h"
#include "support/sheet_fixture.h"

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::size_t>;

const std::string Attack = "gunSkill=4 doneButton rangeSlider=5 weapName(0)=MLaser "
                           "weapLoc(0)=RA fireCheck(0) calculateButton declareButton";

} // namespace

TEST(LanceScene, DamageInWords) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "No damage"},
        {"sensorsBox", "Sensors hit"},
        {"leftShoulderBox", "Left arm: shoulder"},
        {"sensorsBox leftShoulderBox", "Sensors hit; left arm: shoulder"},
        {"rightUpperActuatorBox rightLowerActuatorBox",
         "Right arm: upper actuator, lower actuator"},
        {"leftShoulderBox leftLowerActuatorBox rightLowerActuatorBox",
         "Right arm: lower actuator; left arm: shoulder, lower actuator"},
        {"sensorsBox sensorsBox", "No damage"},
    };
    for (const auto& [script, words] : cases) {
        FreshSheet f;
        act(f.sheet, script);
        EXPECT_EQ(LanceScene::damageWords(f.sheet), words) << script;
    }
}

// Each cell says what the sheet shows, and a screen reader hears it after its heading, the
// declaration without its leading blanks and an empty cell not at all; the results cell says
// whether Calculate ran since the last change.
TEST(LanceScene, ALineSaysWhatItsSheetShows) {
    LanceOfSheets sheets(1);
    CombatSheet& sheet = sheets[0];
    act(sheet, "pilotName=Ilsa_Marrow mechName=Quillfen_QF-2 sensorsBox " + Attack);
    sheets.lance.setTurn(4);
    LanceScene scene(sheets.lance);
    scene.update();
    EXPECT_EQ(scene.line(0).cells, (LanceScene::Line{{"Ilsa Marrow:Quillfen QF-2", "4", "3",
                                                      "  MLaser@8", "Sensors hit", "Calculated"}}
                                        .cells));
    EXPECT_EQ(scene.spoken(0), "Mech: Ilsa Marrow:Quillfen QF-2. Turn: 4. Total Heat: 3. "
                               "Declaration: MLaser@8. Damage: Sensors hit. Results: Calculated");
    act(sheet, "walkedOption");
    EXPECT_EQ(LanceScene::lineOf(sheet, 4).cells[LanceScene::Results], SheetScene::StaleNote);
    EXPECT_EQ(LanceScene::lineOf(sheet, 4).results, ResultsAge::Age::Stale);
    act(sheet, "clearButton");
    scene.update();
    EXPECT_EQ(scene.spoken(0), "Mech: Ilsa Marrow:Quillfen QF-2. Turn: 4. Damage: Sensors hit. "
                               "Results: Not calculated");
}

TEST(LanceScene, UpdateTellsTheLinesThatChanged) {
    LanceOfSheets sheets(3);
    LanceScene scene(sheets.lance);
    struct Step {
        const char* name;
        void (*change)(LanceOfSheets&);
        Lines lines;
        bool countChanged;
        bool undoChanged = false;
    };
    // clang-format off
    const std::vector<Step> steps = {
        {"first", [](LanceOfSheets&) {}, {0, 1, 2}, true, true},
        {"nothing", [](LanceOfSheets&) {}, {}, false},
        {"two sheets", [](LanceOfSheets& s) { act(s[0], "pilotName=Kai " + Attack), act(s[2], "leftShoulderBox"); }, {0, 2}, false},
        {"stale", [](LanceOfSheets& s) { act(s[0], "ranOption"); }, {0}, false},
        {"next turn", [](LanceOfSheets& s) { s.lance.nextTurnCommand.userClick(); }, {0, 1, 2}, false, true},
        {"closed", [](LanceOfSheets& s) { s.lance.closed(s[0]); }, {0, 1}, true, true},
        {"opened", [](LanceOfSheets& s) { s.open(); }, {2}, true},
    };
    // clang-format on
    for (const Step& step : steps) {
        step.change(sheets);
        const LanceScene::Changes changes = scene.update();
        EXPECT_EQ(changes.lines, step.lines) << step.name;
        EXPECT_EQ(changes.countChanged, step.countChanged) << step.name;
        EXPECT_EQ(changes.undoChanged, step.undoChanged) << step.name;
        ASSERT_EQ(scene.size(), sheets.lance.size()) << step.name;
        for (std::size_t i = 0; i < scene.size(); ++i) {
            EXPECT_EQ(scene.line(i), LanceScene::lineOf(sheets.lance.sheet(i), sheets.lance.turn()))
                << step.name << " line " << i;
        }
    }
}
