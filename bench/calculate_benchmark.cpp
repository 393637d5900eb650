// One Calculate of a combat sheet with a weapon in every row, and the range chart of the same
// sheet worked out afresh, on the model alone.

#include "support/fresh_sheet.h"
#include "tohit/range_chart.h"
#include "twelve_row_attack.h"

#include <benchmark/benchmark.h>

namespace {

void calculateTwelveRows(benchmark::State& state) {
    FreshSheet fresh;
    CombatSheet& sheet = fresh.sheet;
    const FakePlatform& fake = fresh.fake;
    fillInAttack(sheet);
    sheet.calculateButton.userClick();
    if (!everyRowCalculated(sheet, fake)) {
        state.SkipWithError("the filled-in sheet does not calculate every row");
        return;
    }
    for (auto _ : state) {
        sheet.calculateButton.userClick();
        benchmark::ClobberMemory();
    }
}

// What the chart window does after each change on its sheet: the copy of the sheet, and a
// slider move and a Calculate for each of the 24 ranges.
void recomputeRangeChartTwelveRows(benchmark::State& state) {
    FreshSheet fresh;
    fillInAttack(fresh.sheet);
    RangeChart chart(fresh.fake.services, wireCombatSheet);
    chart.recompute(fresh.sheet);
    if (!chart.notice().empty() || chart.lines().size() != WEAPON_ROWS) {
        state.SkipWithError("the filled-in sheet does not chart every row");
        return;
    }
    for (auto _ : state) {
        chart.recompute(fresh.sheet);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(calculateTwelveRows)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(recomputeRangeChartTwelveRows)->Unit(benchmark::kMicrosecond)->UseRealTime();
