// The sheet's scene, which every front end draws as it is: the captions and names of its places,
// the panel the setup panel covers, and where the keyboard goes when a panel comes to the front.

#include "layout/sheet_scene.h"
#include "support/sheet_fixture.h"

#include <tuple>

namespace {

using sheet::placeOf;

struct SheetSceneTest : SheetTest {
    SheetScene scene{sheet};
};

// A label shows its field's caption without the marker; a screen reader hears a weapon row's
// field by its column and the row, without the blanks that set the caption off on the sheet,
// and an arm's box after the arm.
TEST_F(SheetSceneTest, CaptionsAndNames) {
    const std::tuple<const char*, std::size_t, const char*, const char*> rows[] = {
        {"a label of a field", placeOf("mechNameLabel"), "Mech Model", ""},
        {"a heading of a column", placeOf("weaponHeading"), "Weapon", ""},
        {"a weapon row's list", placeOf(&CombatSheet::weapName, 0), "Weapon", "Weapon 1"},
        {"a to-hit field", placeOf(&CombatSheet::toHit, 11), "To-Hit", "To-Hit 12"},
        {"an arm's box", placeOf(&CombatSheet::leftShoulderBox), "Shoulder", "Left Arm Shoulder"},
        {"an option set off by a blank", placeOf(&CombatSheet::clanOption), "Clan ", "Clan"},
    };
    for (const auto& [what, at, caption, name] : rows) {
        const SheetScene::Fixed fixed = SheetScene::fixedOf(sheet, at);
        EXPECT_EQ(fixed.caption.text, caption) << what;
        EXPECT_EQ(fixed.name, name) << what;
    }
}

// The marker leaves the text and says which letter it marked; a doubled one is an "&" of the
// text, in a menu's caption and in a command's plain caption alike.
TEST_F(SheetSceneTest, AMenuCaptionKeepsItsMnemonicApart) {
    const auto caption = [this](Member<Command> command) {
        return SheetScene::menuCaption(sheet, sheet::MenuEntry{.command = command});
    };
    EXPECT_EQ(caption(&CombatSheet::mnuSaveAs), (SheetScene::Caption{"Save Mech As...", 10}));
    EXPECT_EQ(caption(&CombatSheet::mnuEdit), (SheetScene::Caption{"Edit Mech", 0}));
    EXPECT_EQ(SheetScene::menuCaption(sheet, {.name = "View", .caption = "&View"}),
              (SheetScene::Caption{"View", 0}));
    EXPECT_EQ(Command("&&Save && &Quit").mnemonicAt(), 8);
    EXPECT_EQ(Command("&&Save && &Quit").plainCaption(), "&Save & Quit");
}

// The setup panel covers the attacker panel whole until Done; Done takes the keyboard to the
// attacker panel's first usable field, Edit Mech to the setup panel's, and no other action
// moves it.
TEST_F(SheetSceneTest, TheSetupPanelCoversTheAttackerPanelAndTheKeyboardFollows) {
    const std::size_t attacker = placeOf(&CombatSheet::attackerPanel);
    const std::size_t setup = placeOf(&CombatSheet::setupPanel);
    const SheetScene::Changes first = scene.update();
    EXPECT_EQ(first.places.size(), sheet::sheetLayout().size());
    EXPECT_EQ(first.focus, std::nullopt);
    EXPECT_FALSE(scene.shown(attacker).visible);
    const std::tuple<const char*, bool, std::optional<std::size_t>> steps[] = {
        {"gunSkill=4", false, std::nullopt},
        {"doneButton", true, placeOf(&CombatSheet::rangeSlider)},
        {"walkedOption", true, std::nullopt},
        {"mnuEdit", false, placeOf(&CombatSheet::mechName)},
    };
    for (const auto& [script, attackerShown, focus] : steps) {
        act(sheet, script);
        const SheetScene::Changes changes = scene.update();
        EXPECT_EQ(scene.shown(attacker).visible, attackerShown) << script;
        EXPECT_EQ(scene.shown(setup).visible, !attackerShown) << script;
        EXPECT_EQ(changes.focus, focus) << script;
    }
    // A field that cannot be used is passed over, as is one hidden.
    sheet.rangeSlider.setEnabled(false);
    sheet.stationaryOption.hide();
    act(sheet, "doneButton");
    EXPECT_EQ(scene.update().focus, placeOf(&CombatSheet::walkedOption));
}

// A tap tells its box and the two actuators that the shoulder grays, and nothing else.
TEST_F(SheetSceneTest, AnUpdateTellsOnlyWhatChanged) {
    scene.update();
    act(sheet, "rightShoulderBox");
    EXPECT_EQ(scene.update().places,
              (std::vector<std::size_t>{placeOf(&CombatSheet::rightShoulderBox),
                                        placeOf(&CombatSheet::rightUpperActuatorBox),
                                        placeOf(&CombatSheet::rightLowerActuatorBox)}));
    EXPECT_EQ(scene.shown(placeOf(&CombatSheet::rightUpperActuatorBox)).value,
              static_cast<int>(BoxState::Grayed));
    EXPECT_TRUE(scene.update().places.empty());
    scene.forget();
    EXPECT_EQ(scene.update().places.size(), sheet::sheetLayout().size());
}

// The to-hit column and the total heat say together that they are stale, the declaration on its
// own, and no other place says so.
TEST_F(SheetSceneTest, StaleResultsSaySo) {
    const auto staleNow = [this] {
        scene.update();
        std::vector<std::size_t> places;
        for (std::size_t at = 0; at < sheet::sheetLayout().size(); ++at) {
            if (!scene.shown(at).stale.empty()) {
                EXPECT_EQ(scene.shown(at).stale, SheetScene::StaleNote) << at;
                places.push_back(at);
            }
        }
        return places;
    };
    act(sheet, "gunSkill=4 doneButton weapName(0)=MLaser rangeSlider=3 fireCheck(0) "
               "calculateButton walkedOption declareButton calculateButton");
    EXPECT_EQ(staleNow(), std::vector{placeOf(&CombatSheet::declarationBox)});
    act(sheet, "ranOption");
    std::vector<std::size_t> results{placeOf(&CombatSheet::totalHeatBox),
                                     placeOf(&CombatSheet::declarationBox)};
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        results.push_back(placeOf(&CombatSheet::toHit, row));
    }
    std::sort(results.begin(), results.end());
    EXPECT_EQ(staleNow(), results);
}

} // namespace
