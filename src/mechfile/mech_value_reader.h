#pragma once

#include "mechfile/json_document.h"
#include "mechfile/mech_file.h"

#include <string_view>

// The Mech that `mech`, one value of `file`, holds in the Mech file's own form, checked as a
// whole Mech file is; throws the first fault as a MechFileFault. A file that holds several
// Mechs reads each of them with it.
MechFile readMechValue(const JsonDocument& file, const JsonDocument::Json& mech,
                       const CombatSheet& sheet);

// Throws a MechFileFault unless `document` names the format `formatName` and a version from 1
// to `newestVersion`; `kind` ("Mech", "lance") names the file in the messages.
void checkFileFormat(const JsonDocument& file, const JsonDocument::Json& document,
                     std::string_view formatName, std::string_view kind, int newestVersion);
