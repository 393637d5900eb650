#pragma once

#include "mechfile/mech_file.h"

#include <nlohmann/json.hpp>

// The Mech in the Mech file's own form, as one JSON value, its keys in the order written, so
// that a file reads top to bottom like the sheet. A file that holds several Mechs writes each
// of them so.
nlohmann::ordered_json mechValue(const MechFile& mech);
