#pragma once

// A lance of fresh sheets and a random user who plays it: now on one of its sheets (any action
// of random_action.h), now on the lance: a new Mech on a new sheet, Next Turn, its undo, the
// lance saved and opened again, a sheet closed. The same generator state gives the same action
// on every platform.

#include "lance/lance.h"
#include "support/fresh_sheet.h"

#include <cstddef>
#include <memory>
#include <random>
#include <string>
#include <vector>

struct RandomLance {
    // Each sheet keeps the number it opened with, so that a reader of a game can follow it.
    struct Seat {
        int number;
        std::unique_ptr<FreshSheet> fresh;
    };

    RandomLance() { open(); }
    CombatSheet& open();
    void close(std::size_t index);
    CombatSheet& sheet(std::size_t index) const { return seats.at(index).fresh->sheet; }

    FakePlatform fake;
    Lance lance{fake.services};
    std::vector<Seat> seats; // in the lance's order
    std::string saved;       // the bytes of the lance file saved last
    std::size_t savedMechs = 0;
    int opened = 0;
};

struct LanceAction {
    enum Kind { OnSheet, NewMech, NextTurn, UndoNextTurn, SaveLance, OpenLance, CloseSheet };
    Kind kind = OnSheet;
    std::size_t sheet = 0; // the lance's sheet that acts, for OnSheet, OpenLance and CloseSheet
    std::string onSheet;   // what act() does on it, for OnSheet
    std::string words;     // the action as a reader of a game reads it
};

// Mostly an action on a sheet; a lance keeps between one and twelve sheets, and is opened again
// only once saved.
LanceAction randomLanceAction(const RandomLance& game, std::mt19937& random);

// Does it as the front ends do: through the lance's commands, the sheet's controls, and the
// lance file's writer and reader (the file must read back, or it throws).
void play(RandomLance& game, const LanceAction& action);
