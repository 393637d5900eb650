#pragma once

#include <string>

class CombatSheet;

// The File menu: "Open Mech..." puts each chosen file's Mech on this sheet while it is
// untouched and on a new sheet otherwise; "Save Mech" saves to the sheet's own file, or asks
// for one as "Save Mech As..." does. A file that cannot be read or written gives one message
// naming it and what is wrong, and leaves the sheet as it was.
void wireFileMenu(CombatSheet& sheet);

// Puts the Mech of the file at `path` on the sheet and makes it the sheet's file; false, after
// the message, when the file is no good.
bool openMechFile(CombatSheet& sheet, const std::string& path);
