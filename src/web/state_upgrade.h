#pragma once

// A sheet's kept state as an earlier page wrote it, brought to the words of this one, so that
// the sheets a player kept before an update come back after it.

#include <nlohmann/json_fwd.hpp>

// The version of the kept state this page writes.
inline constexpr int KeptStateVersion = 2;

// Renames, in place, what a state of an earlier version calls by another name; a state of
// this version or an unknown one is left as it is.
void upgradeKeptState(nlohmann::ordered_json& state);
