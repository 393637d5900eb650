// Calculate of the twelve-row attack, timed with the standard clock alone, so that the same
// program runs natively and as WebAssembly under node: scripts/web-benchmark.mjs runs both and
// compares them. Prints the median microseconds of a Calculate over 15 runs.

#include "app/combat_sheet.h"
#include "support/fresh_sheet.h"
#include "twelve_row_attack.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

int main() {
    FreshSheet fresh;
    fillInAttack(fresh.sheet);
    fresh.sheet.calculateButton.userClick();
    if (!everyRowCalculated(fresh.sheet, fresh.fake)) {
        std::puts("the filled-in sheet does not calculate every row");
        return 1;
    }
    constexpr int Calculates = 2000;
    std::vector<double> runs;
    for (int run = 0; run < 15; ++run) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < Calculates; ++i) {
            fresh.sheet.calculateButton.userClick();
        }
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        runs.push_back(took.count() / Calculates);
    }
    std::nth_element(runs.begin(), runs.begin() + runs.size() / 2, runs.end());
    std::printf("%.3f\n", runs[runs.size() / 2]);
}
