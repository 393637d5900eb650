#pragma once

// A backup of every sheet of a page in one file, to keep them where the browser may clear its
// storage, or to move them to another browser or to the page installed as an app: JSON in
// UTF-8, each sheet as its Mech in the Mech file's own form and, beside it, the page's whole
// record of the sheet (its situation and results), which a later page may not read.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view SheetsFormatName = "Vexolan Sheets";
inline constexpr int SheetsFormatVersion = 1;
// A backup of a few dozen sheets is well under this; anything far larger is not read.
inline constexpr std::size_t SheetsFileSizeLimit = 16 * 1024 * 1024;

struct BackedUpSheet {
    std::string mech = {};  // the Mech file's bytes, as the Mech file reader takes them
    std::string state = {}; // the page's record of the sheet, or empty
    std::string file = {};  // the name of the Mech file the sheet was saved to, or empty
};

std::string writeSheetsBackup(const std::vector<BackedUpSheet>& sheets);

// The sheets of a backup, or, with none, what is wrong with the file in words for its user.
// The file's outline is checked here; each Mech by the Mech file reader after.
struct SheetsBackupReading {
    std::vector<BackedUpSheet> sheets = {};
    std::string fault = {};
};
SheetsBackupReading readSheetsBackup(std::string_view bytes);
