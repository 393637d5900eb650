#pragma once

#include "mechfile/mech_file.h"

#include <string>

// The Mech as the bytes of a file: indented JSON in UTF-8, the format's name and version
// first, then the keys in the order a reader of the file meets them on the sheet.
std::string writeMechFile(const MechFile& mech);
