#pragma once

// A lance of fresh, fully wired sheets, each on its own fake platform, and the lance on one of
// its own, as a front end holds them.

#include "lance/lance.h"
#include "support/fresh_sheet.h"

#include <cstddef>
#include <deque>

struct LanceOfSheets {
    explicit LanceOfSheets(std::size_t count = 0) {
        for (std::size_t i = 0; i < count; ++i) {
            open();
        }
    }
    // A new sheet, told to the lance as a front end tells it.
    CombatSheet& open() {
        sheets.emplace_back();
        lance.opened(sheets.back().sheet);
        return sheets.back().sheet;
    }
    CombatSheet& operator[](std::size_t index) { return sheets.at(index).sheet; }

    FakePlatform fake;
    Lance lance{fake.services};
    std::deque<FreshSheet> sheets; // a deque keeps each sheet where it is as others join
};
