// Plays seeded random user actions on a lance of fresh sheets and prints, after each action, the
// turn, the lance's declaration and what changed on each of its sheets (every control of a sheet
// new to the dump, the messages it gave), and after each run every sheet's range chart as text:
// the same seeds must give the same text, byte for byte, whichever build of the model runs them
// (native or WebAssembly).
//   sheet_dump RUNS ACTIONS [FIRST_SEED]

#include "support/random_lance.h"
#include "tohit/range_chart.h"

#include <cstddef>
#include <iostream>
#include <map>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// What the dump has shown of each sheet, by its number, so that it shows only what changed.
class LanceDump {
public:
    void show(const RandomLance& game) {
        std::cout << "turn " << game.lance.turn() << " sheets";
        for (const RandomLance::Seat& seat : game.seats) {
            std::cout << " " << seat.number;
        }
        std::cout << "\n";
        if (const std::string declared = game.lance.declaration(); declared != declaration_) {
            declaration_ = declared;
            for (const std::string& line : linesOf(declared)) {
                std::cout << "declaration " << line << "\n";
            }
        }
        for (const RandomLance::Seat& seat : game.seats) {
            showSheet(seat);
        }
    }

private:
    struct Shown {
        std::vector<std::string> controls;
        std::size_t messages = 0;
    };

    void showSheet(const RandomLance::Seat& seat) {
        Shown& shown = shown_[seat.number];
        const std::vector<std::string> controls = linesOf(snapshot(seat.fresh->sheet));
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (i >= shown.controls.size() || controls[i] != shown.controls[i]) {
                std::cout << "sheet " << seat.number << " " << controls[i] << "\n";
            }
        }
        shown.controls = controls;
        const std::vector<std::string>& messages = seat.fresh->fake.messageBox.shown;
        for (; shown.messages < messages.size(); ++shown.messages) {
            std::cout << "sheet " << seat.number << " message " << messages[shown.messages] << "\n";
        }
    }

    std::string declaration_;
    std::map<int, Shown> shown_;
};

void dumpRun(unsigned seed, int actions) {
    RandomLance game;
    LanceDump dump;
    std::mt19937 random(seed);
    std::cout << "== seed " << seed << "\n";
    dump.show(game);
    for (int step = 0; step < actions; ++step) {
        const LanceAction action = randomLanceAction(game, random);
        play(game, action);
        std::cout << "-- " << action.words << "\n";
        dump.show(game);
    }
    for (const RandomLance::Seat& seat : game.seats) {
        RangeChart chart(seat.fresh->fake.services, wireCombatSheet);
        chart.recompute(seat.fresh->sheet);
        std::cout << "sheet " << seat.number << " chart " << chart.notice() << "\n"
                  << chart.tabSeparated() << "\n";
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: sheet_dump RUNS ACTIONS [FIRST_SEED]\n";
        return 2;
    }
    try {
        const int runs = std::stoi(argv[1]), actions = std::stoi(argv[2]);
        const unsigned firstSeed = argc == 4 ? static_cast<unsigned>(std::stoul(argv[3])) : 1;
        for (int run = 0; run < runs; ++run) {
            dumpRun(firstSeed + static_cast<unsigned>(run), actions);
        }
    } catch (const std::exception& error) {
        std::cerr << "sheet_dump: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
