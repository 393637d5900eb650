// A random user plays a lance of sheets: acts on any of its sheets (every box, option, list,
// text box, the slider and every button), opens a new Mech, turns the lance to the next turn and
// back, saves it and opens it again, closes a sheet. After each action on a sheet the modifiers
// must be what the test's own reading of the rules gives for the controls as they stand; water
// gives cover, the slider's range decides adjacency (none at its resting place), the woods stay
// within their limits; a pick leaves every row with its weapon's figures under the sheet's
// technology base; select-all and Declare do what they say; Calculate either gives every weapon
// row its result or shows one message and changes nothing; and the other sheets stay as they
// were. Next Turn leaves every sheet as its own Clear would, its undo brings back every sheet as
// it was before while no sheet opened or closed since, and a lance saved opens again with the
// same Mechs and turn. Now and then the range chart of a sheet as it stands is checked against
// the sheet itself.
//   VEXOLAN_RANDOM_SEED=7 VEXOLAN_RANDOM_ACTIONS=100000 bin/model_tests --gtest_filter='Random*'

#include "app/number_text.h"
#include "app/sheet_copy.h"
#include "lance/lance_file_writer.h"
#include "lance/lance_opening.h"
#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"
#include "support/random_lance.h"
#include "support/sheet_fixture.h"
#include "tohit/range_chart.h"
#include "weapons/weapon_catalogue.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace {

using C = CombatSheet;

int envOr(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::atoi(value) : fallback;
}

std::int16_t on(const CheckBox& box, int value) {
    return static_cast<std::int16_t>(box.value() != BoxState::Unticked ? value : 0);
}

std::int16_t indexIn(const OptionGroup& group) {
    const auto& buttons = group.buttons();
    return static_cast<std::int16_t>(std::find(buttons.begin(), buttons.end(), group.selected()) -
                                     buttons.begin());
}

// A shoulder hit zeroes its arm's actuator fields until that actuator is clicked again.
using Overridden = std::array<bool, 4>;

// What the modifiers must be.
SituationModifiers expected(const C& s, const Overridden& overridden) {
    const auto actuator = [&overridden](int arm, const CheckBox& box) {
        return overridden[arm] ? std::int16_t(0) : on(box, 1);
    };
    const int at = indexIn(s.tPositionGroup);
    // clang-format off
    return {.aMoveMod = indexIn(s.attackerMovementGroup), .aProneMod = on(s.attackerProneBox, 2),
            .aWaterMod = on(s.attackerWaterBox, 1), .dmgSensorMod = on(s.sensorsBox, 2),
            .rightShoulderMod = on(s.rightShoulderBox, 4),
            .rightUpperActuatorMod = actuator(0, s.rightUpperActuatorBox),
            .rightLowerActuatorMod = actuator(1, s.rightLowerActuatorBox),
            .leftShoulderMod = on(s.leftShoulderBox, 4),
            .leftUpperActuatorMod = actuator(2, s.leftUpperActuatorBox),
            .leftLowerActuatorMod = actuator(3, s.leftLowerActuatorBox),
            .aHeatMod = indexIn(s.heatGroup), .tMoveMod = indexIn(s.targetMovementGroup),
            .tJumpMod = on(s.targetJumpedBox, 1), .tHeavyWoodsMod = std::int16_t(at == 2 ? 2 : 0),
            .tLightWoodsMod = at == 1, .tImmobileMod = on(s.immobileBox, -4),
            .tPartialMod = on(s.partialCoverBox, 3),
            .tProneMod = on(s.targetProneBox, s.adjacentHexBox.value() == BoxState::Ticked ? -2
                                                                                          : 1),
            .tWaterMod = std::int16_t(-(at == 3))};
    // clang-format on
}

const char* const Actuators[] = {"rightUpperActuatorBox", "rightLowerActuatorBox",
                                 "leftUpperActuatorBox", "leftLowerActuatorBox"};
// A shoulder clicked, or every shoulder of a sheet that a Mech file filled in (no action),
// overrides its arm's actuators or gives them back; an actuator clicked is its own again.
void followShoulders(const C& s, Overridden& overridden, const std::string& action) {
    for (int box = 0; box < 4; ++box) {
        const CheckBox& shoulder = box < 2 ? s.rightShoulderBox : s.leftShoulderBox;
        if (action.empty() || action == (box < 2 ? "rightShoulderBox" : "leftShoulderBox")) {
            overridden[box] = shoulder.value() != BoxState::Unticked;
        } else if (action == Actuators[box]) {
            overridden[box] = false;
        }
    }
}

// Each cell of the chart is what the row shows once a copy of the sheet has its slider moved
// to that range and Calculate pressed; its notice is the first message that Calculate gives,
// or the lack of a weapon. The copy is the sheet, and working the chart out leaves the sheet as
// it was and shows no message. Returns whether the chart has its lines.
bool expectChartAsCalculateShowsIt(FreshSheet& f) {
    const std::string before = snapshot(f.sheet);
    const auto messages = f.fake.messageBox.shown.size();
    RangeChart chart(f.fake.services, wireCombatSheet);
    chart.recompute(f.sheet);
    EXPECT_EQ(snapshot(f.sheet), before);
    EXPECT_EQ(f.fake.messageBox.shown.size(), messages);
    FreshSheet copy;
    copySheet(f.sheet, copy.sheet);
    EXPECT_EQ(snapshot(copy.sheet), before);
    const auto& shown = copy.fake.messageBox.shown;
    for (int range = 1; range <= rules::LongestRange && shown.empty(); ++range) {
        act(copy.sheet, "rangeSlider=" + std::to_string(range) + " calculateButton");
        for (const RangeChart::Line& line : chart.lines()) {
            const RangeChart::Cell& cell = line.cells[range - 1];
            const TextBox& shown = copy.sheet.toHit[line.row];
            EXPECT_EQ(cell.outOfRange ? "Out of Range" : cell.text, shown.text())
                << "range " << range << ", row " << line.row;
            EXPECT_EQ(cell.toolTip, shown.toolTip()) << "range " << range << ", row " << line.row;
        }
    }
    const auto armed = std::count_if(f.sheet.weapName.begin(), f.sheet.weapName.end(),
                                     [](const ComboBox& name) { return !name.text().empty(); });
    EXPECT_EQ(chart.notice(), !shown.empty() ? shown.front()
                              : armed > 0    ? ""
                                             : RangeChart::NoWeaponNotice);
    EXPECT_EQ(chart.lines().size(), chart.notice().empty() ? std::size_t(armed) : 0u);
    EXPECT_EQ(chart.tabSeparated().empty(), !chart.notice().empty()); // nothing to copy
    return chart.notice().empty();
}

// Plays one action on one sheet and checks the rules on it.
void expectActionKeepsTheRules(FreshSheet& f, Overridden& overridden, const std::string& action) {
    C& s = f.sheet;
    const std::string before = snapshot(s);
    const bool inWater = s.targetWaterOption.selected();
    const auto messages = f.fake.messageBox.shown.size();
    act(s, action);
    followShoulders(s, overridden, action);
    EXPECT_EQ(s.situation, expected(s, overridden));
    EXPECT_EQ(s.firesClusterMunitions, s.clusterMunitionsBox.value() == BoxState::Ticked);
    // Water gives cover, the slider's range shows and decides adjacency, the woods stay
    // within their limits.
    if (action == "targetWaterOption" && !inWater) {
        EXPECT_EQ(s.partialCoverBox.value(), BoxState::Ticked);
    }
    // At its resting place the slider sets no range: the box is empty and adjacency
    // unknown, as on a new sheet.
    const int range = s.rangeSlider.position();
    EXPECT_EQ(s.rangeBox.text(), range == 0 ? "" : std::to_string(range));
    EXPECT_EQ(s.adjacentHexBox.value(), range == 0   ? BoxState::Grayed
                                        : range == 1 ? BoxState::Ticked
                                                     : BoxState::Unticked);
    for (auto [box, limit] : {std::pair{&s.hexLW, 3.0}, {&s.hexHW, 2.0}}) {
        const auto count = readNumber(box->text());
        if (count) {
            EXPECT_GE(*count, 0) << box->text();
            EXPECT_LE(*count, limit) << box->text();
        }
    }
    std::string chosen = action.substr(action.find('=') + 1);
    std::replace(chosen.begin(), chosen.end(), '_', ' ');
    const bool picked =
        action.starts_with("weapName") &&
        std::find(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end(), chosen) != WEAPON_CHOICES.end();
    std::string declared;
    int heat = 0;
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        if (picked && !s.weapName[i].text().empty()) {
            const auto entry = findWeapon(s.weapName[i].text(), s.techBase);
            EXPECT_EQ(s.lRange[i].text() + s.damage[i].text(),
                      std::to_string(entry->lRange) + std::string(entry->damage));
        }
        if (action == "selectAllBox") {
            const bool tick =
                s.selectAllBox.value() != BoxState::Unticked && !s.minRange[i].text().empty();
            EXPECT_EQ(s.fireCheck[i].value(), tick ? BoxState::Ticked : BoxState::Unticked);
        }
        if (s.fireCheck[i].value() == BoxState::Ticked) {
            declared += "  " + s.weapName[i].text() + "@" + s.toHit[i].text();
            heat += s.weapHeat[i];
        }
    }
    if (action == "declareButton") {
        EXPECT_EQ(s.declarationBox.text(), declared);
    }
    // Only Calculate speaks, once at most: then it changes nothing; else every row that
    // holds a weapon has its result, and the heat is that of the ticked rows.
    const auto shown = f.fake.messageBox.shown.size() - messages;
    EXPECT_LE(shown, action == "calculateButton" ? 1u : 0u);
    if (shown == 1) {
        EXPECT_EQ(snapshot(s), before);
    } else if (action == "calculateButton") {
        for (int i = 0; i < WEAPON_ROWS; ++i) {
            EXPECT_EQ(s.toHit[i].text().empty(), s.weapName[i].text().empty()) << i + 1;
        }
        EXPECT_EQ(s.totalHeatBox.text(), std::to_string(heat));
    }
}

std::vector<std::string> snapshots(const RandomLance& game) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < game.seats.size(); ++i) {
        texts.push_back(snapshot(game.sheet(i)));
    }
    return texts;
}

// What the test keeps of the lance beside its sheets: the shoulder overrides of each sheet by
// its number, what Next Turn can take back, the lance last saved, and every sheet as the last
// action left it.
struct Kept {
    struct Undo {
        std::vector<std::string> sheets;
        std::map<int, Overridden> overridden;
        int turn;
    };
    std::map<int, Overridden> overridden;
    std::optional<Undo> undo;
    LanceFile saved;
    std::vector<std::string> sheets;
};

// Plays one action on the lance and checks what it did to the lance's sheets and turn.
void expectLanceActionKeepsTheRules(RandomLance& game, Kept& kept, const LanceAction& action) {
    const std::vector<std::string> before = kept.sheets;
    std::vector<std::string> cleared, after = before;
    const int turn = game.lance.turn();
    int expectedTurn = turn;
    std::size_t mechsTaken = 0;
    bool currentTaken = false;
    if (action.kind == LanceAction::NextTurn) {
        for (std::size_t i = 0; i < game.seats.size(); ++i) {
            FreshSheet copy; // each sheet as its own Clear leaves it
            copySheet(game.sheet(i), copy.sheet);
            copy.sheet.clearButton.userClick();
            cleared.push_back(snapshot(copy.sheet));
        }
    } else if (action.kind == LanceAction::OpenLance) {
        currentTaken = isUntouched(game.sheet(action.sheet));
    }
    play(game, action);
    switch (action.kind) {
    case LanceAction::OnSheet:
        expectActionKeepsTheRules(*game.seats[action.sheet].fresh,
                                  kept.overridden[game.seats[action.sheet].number], action.onSheet);
        after[action.sheet] = snapshot(game.sheet(action.sheet));
        break;
    case LanceAction::NewMech:
        after.push_back(snapshot(FreshSheet().sheet));
        kept.undo.reset();
        break;
    case LanceAction::NextTurn:
        after = cleared;
        expectedTurn = std::min(turn + 1, Lance::LastTurn);
        kept.undo = Kept::Undo{before, kept.overridden, turn};
        break;
    case LanceAction::UndoNextTurn:
        if (kept.undo) {
            after = kept.undo->sheets;
            expectedTurn = kept.undo->turn;
            kept.overridden = kept.undo->overridden;
        }
        kept.undo.reset();
        break;
    case LanceAction::SaveLance:
        kept.saved = lanceFileOf(game.lance);
        EXPECT_EQ(game.saved, writeLanceFile(kept.saved));
        break;
    case LanceAction::OpenLance:
        // The first Mech goes on the sheet it was opened from while that is as it opened,
        // every other on a new sheet at the lance's end; each as it was saved.
        mechsTaken = kept.saved.mechs.size() - currentTaken;
        EXPECT_EQ(game.seats.size(), before.size() + mechsTaken);
        for (std::size_t k = 0; k < kept.saved.mechs.size() && !testing::Test::HasFailure(); ++k) {
            const std::size_t i =
                currentTaken && k == 0 ? action.sheet : before.size() + k - currentTaken;
            EXPECT_EQ(mechOnSheet(game.sheet(i)), kept.saved.mechs[k]) << "Mech " << k + 1;
            Overridden& overridden = kept.overridden[game.seats[i].number];
            followShoulders(game.sheet(i), overridden, "");
            EXPECT_EQ(game.sheet(i).situation, expected(game.sheet(i), overridden));
        }
        after = snapshots(game); // each as its Mech file puts it, checked above
        expectedTurn = kept.saved.turn;
        if (mechsTaken > 0) {
            kept.undo.reset();
        }
        break;
    case LanceAction::CloseSheet:
        after.erase(after.begin() + static_cast<std::ptrdiff_t>(action.sheet));
        kept.undo.reset();
        break;
    }
    kept.sheets = snapshots(game);
    EXPECT_EQ(kept.sheets, after);
    EXPECT_EQ(game.lance.turn(), expectedTurn);
    EXPECT_EQ(game.lance.undoCommand.enabled(), kept.undo.has_value());
}

TEST(RandomLance, EveryActionKeepsTheRules) {
    const int seed = envOr("VEXOLAN_RANDOM_SEED", 2026);
    std::mt19937 random(static_cast<unsigned>(seed));
    RandomLance game;
    Kept kept;
    kept.sheets = snapshots(game);
    std::string recent;
    int charted = 0, checks = 0;
    for (int step = 0; step < envOr("VEXOLAN_RANDOM_ACTIONS", 20000) && !HasFailure(); ++step) {
        const LanceAction action = randomLanceAction(game, random);
        recent = (recent.size() > 400 ? recent.substr(recent.size() - 400) : recent) + ", " +
                 action.words;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ":" +
                     recent);
        expectLanceActionKeepsTheRules(game, kept, action);
        if (step % 97 == 0) {
            charted += expectChartAsCalculateShowsIt(*game.seats[step % game.seats.size()].fresh);
            ++checks;
        }
    }
    // Enough charts were drawn, and enough were refused, for both to have been tried.
    EXPECT_GT(charted, checks / 10);
    EXPECT_GT(checks - charted, checks / 10);
}

} // namespace
