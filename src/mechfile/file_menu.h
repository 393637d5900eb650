#pragma once

#include <string>

class CombatSheet;

// The File menu: "Open Mech..." puts each chosen file's Mech on this sheet while it is
// untouched and on a new sheet otherwise; "Save Mech" saves to the sheet's own file, or asks
// for one as "Save Mech As..." does; "Close" closes the sheet and "Quit" every sheet, each
// asking first where it has unsaved changes. A file that cannot be read or written gives one
// message naming it and what is wrong, and leaves the sheet as it was.
void wireFileMenu(CombatSheet& sheet);

// Puts the Mech of the file at `path` on the sheet and makes it the sheet's file; false, after
// the message, when the file is no good.
bool openMechFile(CombatSheet& sheet, const std::string& path);

// Whether the Mech on the sheet differs from the one its file held when the sheet last opened
// or saved it. A sheet without a file has nothing to lose to a file.
bool hasUnsavedChanges(const CombatSheet& sheet);

// The Mech model as a file name, without the characters that file names cannot hold.
std::string suggestedFileName(const CombatSheet& sheet);

// The name saving first asks its user for, as the suggestion it offers: "Save Mech As..."
// always asks, offering the sheet's file or else a name made from the Mech's; "Save Mech" asks
// only when the sheet has no file, and otherwise saves to it without asking (empty).
std::string nameToAsk(const CombatSheet& sheet, bool saveAs);

// What a sheet with unsaved changes asks before it closes.
std::string saveQuestion(const CombatSheet& sheet);

// Whether the sheet may close now: at once without unsaved changes; with them, once its user
// has had them saved or chosen to discard them. False when the user cancels or the saving
// fails.
bool mayClose(CombatSheet& sheet);
