#pragma once

// Between the open sheets and a lance file: what saving writes, and opening a lance read whole.

#include "lance/lance.h"
#include "lance/lance_file.h"

#include <functional>
#include <string>

// The Mechs of every sheet of the lance, in its order, and its turn.
LanceFile lanceFileOf(const Lance& lance);

// Why the lance cannot be saved, in words for its user; empty when it can. A lance file holds
// at most LanceMechLimit Mechs, and more sheets may be open.
std::string unsavableLance(const Lance& lance);

// A sheet newly opened by the front end and already told to the lance.
using SheetOpener = std::function<CombatSheet&()>;

// Puts each Mech of the lance on a sheet, in order, as its user would enter it: the first on
// `current` while that sheet is still as it opened, every other on a new sheet from
// `openSheet`; then sets the lance's turn. The sheets keep no Mech file of their own.
void openLance(const LanceFile& file, Lance& lance, CombatSheet& current,
               const SheetOpener& openSheet);

// "Open Lance..." of the file at `path`, chosen on `current`: reads it whole and opens it as
// openLance does; false, after one message naming the file and what is wrong, when the file is
// no good, and then nothing has changed.
bool openLanceFile(const std::string& path, Lance& lance, CombatSheet& current,
                   const SheetOpener& openSheet);

// "Save Lance As..." to `path`, chosen by the user: false, after one message naming the file and
// what is wrong, when the lance cannot be saved there.
bool saveLanceFile(const std::string& path, const Lance& lance);

// The name "Save Lance As..." offers first.
std::string suggestedLanceFileName();
