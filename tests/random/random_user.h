#pragma once

// A user who does random things to a sheet, drawn from a seed. The actions depend on the
// seed alone, never on the sheet, so the first n actions of a seed are always the same and
// any prefix of a run can be replayed.

#include "random/user_action.h"

#include <cstdint>
#include <random>
#include <string>

namespace random_test {

class RandomUser {
public:
    explicit RandomUser(std::uint64_t seed) : random_(seed) {}

    UserAction next();

private:
    // A whole number from 0 to n - 1. Drawn with plain modulo, so that a seed replays the
    // same actions with every standard library (the engine's output is fixed by the standard).
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }
    bool oneIn(int n) { return below(n) == 0; }

    UserAction click();
    UserAction type();
    UserAction pick();
    UserAction command();

    std::string anyText();
    std::string numberText();
    std::string junkText();
    std::string longText();
    std::string nameText();

    std::mt19937_64 random_;
};

} // namespace random_test
