#pragma once

#include "mechfile/mech_file.h"
#include "mechfile/mech_file_fault.h"
#include "platform/file_store.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

// The Mech in a file's bytes, or the first fault found. The whole file is checked: UTF-8,
// JSON, the format's name and a version no newer than this program's, every key in its
// place and none twice, and every value one that the sheet offers. Messages name the sheet's
// fields by their captions.
std::variant<MechFile, MechFileFault> readMechFile(std::string_view bytes,
                                                   const CombatSheet& sheet);

// Why the file store gave no bytes of a file of that kind ("Mech", "lance").
MechFileFault unreadableFileFault(const platform::FileStore::Reading& reading,
                                  std::string_view kind);
