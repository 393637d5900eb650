#pragma once

#include "mechfile/mech_file.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

// What is wrong with a file that holds no Mech this program can read, said for its user.
struct MechFileFault {
    std::string text;
};

// The Mech in a file's bytes, or the first fault found. The whole file is checked: UTF-8,
// JSON, the format's name and a version no newer than this program's, every key in its
// place and none twice, and every value one that the sheet offers. Messages name the sheet's
// fields by their captions.
std::variant<MechFile, MechFileFault> readMechFile(std::string_view bytes,
                                                   const CombatSheet& sheet);
