#pragma once

#include "lance/lance_file.h"

#include <string>

// The lance as the bytes of a file: indented JSON in UTF-8, the format's name and version
// first, then the turn and the Mechs, each written as its own Mech file writes it.
std::string writeLanceFile(const LanceFile& lance);
