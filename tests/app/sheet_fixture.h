#pragma once

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

// A fresh sheet on its own fake platform.
struct FreshSheet {
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

class SheetTest : public testing::Test, public FreshSheet {};

using ModField = std::int16_t SituationModifiers::*;
using Mods = std::vector<std::pair<ModField, int>>;

// A fresh sheet's modifiers with the given fields changed. Tests compare the whole set, so a
// handler that writes a field it does not own is caught too.
inline SituationModifiers modsWith(const Mods& changes) {
    SituationModifiers mods;
    for (auto [field, value] : changes) {
        mods.*field = static_cast<std::int16_t>(value);
    }
    return mods;
}
