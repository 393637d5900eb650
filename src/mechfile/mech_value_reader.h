#pragma once

#include "mechfile/json_document.h"
#include "mechfile/mech_file.h"

#include <string>
#include <string_view>
#include <vector>

// The Mech that `mech`, one value of `file`, holds in the Mech file's own form, checked as a
// whole Mech file is; throws the first fault as a MechFileFault. A file that holds several
// Mechs reads each of them with it.
MechFile readMechValue(const JsonDocument& file, const JsonDocument::Json& mech,
                       const CombatSheet& sheet);

// Throws a MechFileFault unless `value` is an object with exactly these keys: `label` leads the
// messages ("Damage"), `kind` ("Mech", "lance") names the file a key out of place is no part of.
void checkFileKeys(const JsonDocument& file, const JsonDocument::Json& value,
                   const std::string& label, const std::vector<std::string_view>& keys,
                   std::string_view kind);

// Throws a MechFileFault unless `document` names the format `formatName` and a version from 1
// to `newestVersion`; `kind` ("Mech", "lance") names the file in the messages.
void checkFileFormat(const JsonDocument& file, const JsonDocument::Json& document,
                     std::string_view formatName, std::string_view kind, int newestVersion);
