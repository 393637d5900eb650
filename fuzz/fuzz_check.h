#pragma once

// What a fuzz target does when a property fails: say which and stop the process, so that
// libFuzzer keeps the input and the corpus runner fails its test.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzz {

inline void check(bool holds, const std::string& what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
        std::abort();
    }
}

} // namespace fuzz
