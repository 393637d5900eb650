#pragma once

// Lance files: the Mechs of every open sheet, each in the Mech file's own form, and the turn
// of the game, as one JSON document in UTF-8. Like a Mech file it is checked whole before any
// Mech reaches a sheet.

#include "mechfile/mech_file.h"

#include <cstddef>
#include <string_view>
#include <vector>

inline constexpr std::string_view LanceFormatName = "Vexolan Lance";
inline constexpr int LanceFormatVersion = 1;
inline constexpr std::string_view LanceFileExtension = ".vexlance";
inline constexpr std::string_view LanceMimeType = "application/x-vexolan-lance";
// Two companies of twelve: room for every Mech one player runs in the largest game, while a
// file cannot open more windows or tabs than a player can look after.
inline constexpr std::size_t LanceMechLimit = 24;
// A Mech takes a few kilobytes; anything far larger than the largest lance is not a lance file
// and is not read at all.
inline constexpr std::size_t LanceFileSizeLimit = 1024 * 1024;

struct LanceFile {
    std::vector<MechFile> mechs; // in the lance's order, 1 to LanceMechLimit of them
    int turn = 1;

    bool operator==(const LanceFile&) const = default;
};
