// Next Turn on a lance of twelve sheets, each with an attack of twelve rows worked out and
// declared, and the lance view's refresh after a tap on one of them, on the model alone.

#include "layout/lance_scene.h"
#include "support/fresh_sheet.h"
#include "twelve_row_attack.h"

#include <benchmark/benchmark.h>

#include <deque>

namespace {

constexpr int LanceSheets = 12;

struct TwelveAttacks {
    TwelveAttacks() {
        for (int i = 0; i < LanceSheets; ++i) {
            CombatSheet& sheet = sheets.emplace_back().sheet;
            fillInAttack(sheet);
            sheet.calculateButton.userClick();
            sheet.declareButton.userClick();
            lance.opened(sheet);
        }
    }
    std::deque<FreshSheet> sheets;
    FakePlatform fake;
    Lance lance{fake.services};
};

// Each Next Turn clears twelve attacks: the undo, untimed, puts them back for the next.
void nextTurnTwelveSheets(benchmark::State& state) {
    TwelveAttacks attacks;
    for (auto _ : state) {
        attacks.lance.nextTurnCommand.userClick();
        benchmark::ClobberMemory();
        state.PauseTiming();
        attacks.lance.undoCommand.userClick();
        state.ResumeTiming();
    }
    if (attacks.sheets.front().sheet.declarationBox.text().empty()) {
        state.SkipWithError("the undo did not bring the attacks back");
    }
}

// A tap on one sheet's damage box, and the lance view reading all twelve sheets again.
void refreshLanceSceneAfterTap(benchmark::State& state) {
    TwelveAttacks attacks;
    LanceScene scene(attacks.lance);
    scene.update();
    CheckBox& box = attacks.sheets[LanceSheets / 2].sheet.rightShoulderBox;
    for (auto _ : state) {
        box.userClick();
        const LanceScene::Changes changes = scene.update();
        benchmark::DoNotOptimize(changes);
        if (changes.lines.size() != 1) {
            state.SkipWithError("a tap on one sheet did not change its line alone");
            return;
        }
    }
}

} // namespace

BENCHMARK(nextTurnTwelveSheets)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(refreshLanceSceneAfterTap)->Unit(benchmark::kMicrosecond)->UseRealTime();
