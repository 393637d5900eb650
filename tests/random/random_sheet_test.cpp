// Randomized whole-sheet test: a random user, drawn from a seed, clicks every box and button,
// moves the slider, types digits, fractions, junk, long and non-ASCII text into every box
// that takes typing, picks from every list and presses every button and menu entry of one
// sheet. After every action the sheet is checked against the test's own reading of its
// controls (modifiers, range, adjacency, title, woods counts, to-hit numbers, declaration,
// clipboard, Clear), and what the action must not touch is checked unchanged. A second
// sheet on the same platform is never touched and must stay as it opened.
//
// By default every seed below runs 6000 actions (24000 in all), well under a minute also in
// the sanitizer build. On request:
//   VEXOLAN_RANDOM_ACTIONS=1000000   actions per seed
//   VEXOLAN_RANDOM_SEED=12345        run the FromEnvironment test with this seed (it is
//                                    skipped otherwise)
// for example
//   VEXOLAN_RANDOM_SEED=7 VEXOLAN_RANDOM_ACTIONS=1000000 build/bin/model_tests
//       --gtest_filter='RandomSheet*'
// A failing run reports its seed and the shortest prefix of its actions that still fails,
// found by replaying shorter prefixes from scratch.

#include "random/random_user.h"
#include "random/sheet_session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

namespace random_test {

namespace {

constexpr long DefaultActions = 6000;

std::optional<long long> fromEnvironment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return std::nullopt;
    }
    return std::strtoll(text, nullptr, 10);
}

long actionsPerSeed() {
    auto actions = fromEnvironment("VEXOLAN_RANDOM_ACTIONS");
    return actions && *actions > 0 ? static_cast<long>(*actions) : DefaultActions;
}

struct RunResult {
    std::string failure; // "" when the run passed
    long actions = 0;    // actions performed, the failing one included
};

RunResult run(std::uint64_t seed, long count) {
    RandomUser user(seed);
    SheetSession session;
    for (long done = 1; done <= count; ++done) {
        std::string failure = session.perform(user.next());
        if (!failure.empty()) {
            return {failure, done};
        }
    }
    return {session.finish(), count};
}

// Replays ever shorter prefixes from scratch; every check runs after every action, so a
// prefix ending before the first failing action passes, and the search narrows quickly.
long shortestFailingPrefix(std::uint64_t seed, long failing) {
    long passing = 0;
    while (failing - passing > 1) {
        const long middle = passing + (failing - passing) / 2;
        (run(seed, middle).failure.empty() ? passing : failing) = middle;
    }
    return failing;
}

std::string report(std::uint64_t seed, long prefix) {
    constexpr long Listed = 60;
    std::ostringstream out;
    out << "seed " << seed << ": the first " << prefix << " actions fail:\n"
        << run(seed, prefix).failure << "the actions";
    if (prefix > Listed) {
        out << " (the first " << prefix - Listed << " left out)";
    }
    out << ":\n";
    RandomUser user(seed);
    for (long i = 1; i <= prefix; ++i) {
        UserAction action = user.next();
        if (i > prefix - Listed) {
            out << "  " << i << ". " << action.describe() << "\n";
        }
    }
    out << "replay: VEXOLAN_RANDOM_SEED=" << seed << " VEXOLAN_RANDOM_ACTIONS=" << prefix
        << " model_tests --gtest_filter='RandomSheet.FromEnvironment'\n";
    return out.str();
}

void runSeed(std::uint64_t seed) {
    const RunResult result = run(seed, actionsPerSeed());
    if (!result.failure.empty()) {
        ADD_FAILURE() << report(seed, shortestFailingPrefix(seed, result.actions));
    }
}

class RandomSheet : public testing::TestWithParam<std::uint64_t> {};

TEST_P(RandomSheet, EveryActionKeepsTheSheetConsistent) {
    runSeed(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSheet, testing::Values(1u, 2u, 3u, 20240611u));

TEST(RandomSheet, FromEnvironment) {
    auto seed = fromEnvironment("VEXOLAN_RANDOM_SEED");
    if (!seed) {
        GTEST_SKIP() << "set VEXOLAN_RANDOM_SEED to run one seed of your choice";
    }
    runSeed(static_cast<std::uint64_t>(*seed));
}

} // namespace

} // namespace random_test
