#pragma once

#include "lance/lance_file.h"
#include "mechfile/mech_file_fault.h"

#include <string_view>
#include <variant>

// The lance in a file's bytes, or the first fault found, said as the Mech file's reader says
// its faults. The whole file is checked: UTF-8, JSON, the format's name and a version no newer
// than this program's, the turn, and every Mech as a Mech file of its own is; a fault in a Mech
// names which one ("Mech 2: ...").
std::variant<LanceFile, MechFileFault> readLanceFile(std::string_view bytes,
                                                     const CombatSheet& sheet);
