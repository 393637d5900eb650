#pragma once

// A whole sheet as text, to be kept in a browser's storage and taken back after a reload or
// when a tablet has closed the page: every control's value, text, tip and state and every
// form-level value, so that the sheet comes back as it was, results and all. Taking it back
// sets each control as a copy does, raising nothing.

#include <string>

class CombatSheet;

std::string sheetState(const CombatSheet& sheet);

// Puts the state on a sheet as new as the one it came from; false, with the sheet unchanged,
// when the text is no state of this program's.
bool restoreSheetState(const std::string& state, CombatSheet& sheet);
