#include "support/random_lance.h"

#include "lance/lance_file_reader.h"
#include "lance/lance_file_writer.h"
#include "lance/lance_opening.h"
#include "support/random_action.h"

#include <iterator>
#include <stdexcept>
#include <variant>

CombatSheet& RandomLance::open() {
    seats.push_back({++opened, std::make_unique<FreshSheet>()});
    lance.opened(seats.back().fresh->sheet);
    return seats.back().fresh->sheet;
}

void RandomLance::close(std::size_t index) {
    lance.closed(sheet(index));
    seats.erase(seats.begin() + static_cast<std::ptrdiff_t>(index));
}

LanceAction randomLanceAction(const RandomLance& game, std::mt19937& random) {
    // Few enough sheets for a dump of every sheet after every action to stay readable.
    constexpr std::size_t MostSheets = 6;
    auto roll = [&random](std::size_t n) { return random() % n; };
    const std::size_t sheets = game.seats.size(), pick = roll(4 * LanceAction::CloseSheet),
                      sheet = roll(sheets);
    const std::string on = " on sheet " + std::to_string(game.seats[sheet].number);
    // One action in four is the lance's, where the lance allows it. A lance opened again adds
    // its sheets: never so many that a lance file cannot hold them.
    const bool room = sheets < MostSheets;
    const bool reopens = room && !game.saved.empty() && sheets + game.savedMechs <= 2 * MostSheets;
    const bool allowed[] = {false, room, true, true, true, reopens, sheets > 1};
    const char* const words[] = {"",           "New Mech",   "Next Turn", "Undo Next Turn",
                                 "Save Lance", "Open Lance", "Close"};
    if (pick < std::size(allowed) && allowed[pick]) {
        const auto kind = static_cast<LanceAction::Kind>(pick);
        const bool onOne = kind == LanceAction::OpenLance || kind == LanceAction::CloseSheet;
        return {kind, onOne ? sheet : 0, "", words[pick] + (onOne ? on : "")};
    }
    std::string onSheet = randomAction(game.sheet(sheet), random);
    return {LanceAction::OnSheet, sheet, onSheet, onSheet + on};
}

void play(RandomLance& game, const LanceAction& action) {
    switch (action.kind) {
    case LanceAction::OnSheet:
        act(game.sheet(action.sheet), action.onSheet);
        break;
    case LanceAction::NewMech:
        game.open();
        break;
    case LanceAction::NextTurn:
        game.lance.nextTurnCommand.userClick();
        break;
    case LanceAction::UndoNextTurn:
        game.lance.undoCommand.userClick();
        break;
    case LanceAction::SaveLance:
        game.saved = writeLanceFile(lanceFileOf(game.lance));
        game.savedMechs = game.lance.size();
        break;
    case LanceAction::OpenLance: {
        CombatSheet& current = game.sheet(action.sheet);
        auto file = readLanceFile(game.saved, current);
        if (const auto* fault = std::get_if<MechFileFault>(&file)) {
            throw std::runtime_error("the lance saved does not read back: " + fault->text);
        }
        openLance(std::get<LanceFile>(file), game.lance, current,
                  [&game]() -> CombatSheet& { return game.open(); });
        break;
    }
    case LanceAction::CloseSheet:
        game.close(action.sheet);
        break;
    }
}
