// Plays seeded random user actions on fresh sheets and prints, after each run, every control of
// the sheet, the messages it gave and its range chart as text: the same seeds must give the same
// text, byte for byte, whichever build of the model runs them (native or WebAssembly).
//   sheet_dump RUNS ACTIONS [FIRST_SEED]

#include "support/fresh_sheet.h"
#include "support/random_action.h"
#include "tohit/range_chart.h"

#include <iostream>
#include <random>
#include <stdexcept>
#include <string>

namespace {

void dumpRun(unsigned seed, int actions) {
    FreshSheet f;
    std::mt19937 random(seed);
    for (int step = 0; step < actions; ++step) {
        act(f.sheet, randomAction(f.sheet, random));
    }
    RangeChart chart(f.fake.services, wireCombatSheet);
    chart.recompute(f.sheet);
    std::cout << "== seed " << seed << "\n" << snapshot(f.sheet) << "\n";
    for (const std::string& message : f.fake.messageBox.shown) {
        std::cout << "message " << message << "\n";
    }
    std::cout << "chart " << chart.notice() << "\n" << chart.tabSeparated() << "\n";
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
