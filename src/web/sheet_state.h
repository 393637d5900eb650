#pragma once

// A whole sheet as text, to be kept in a browser's storage and taken back after a reload or
// when a tablet has closed the page: every control's value, text, tip and state and every
// form-level value, so that the sheet comes back as it was, results and all. Taking it back
// sets each control as a copy does, raising nothing.

#include <string>

class CombatSheet;

std::string sheetState(const CombatSheet& sheet);

// Puts the state on a sheet as new as the one it came from. When it cannot, the sheet stays
// as it was and the answer says why, in words for the sheet's user ("its kept copy is damaged
// (...)", or that a newer version kept it); empty once the sheet holds the state.
std::string restoreSheetState(const std::string& state, CombatSheet& sheet);

// What can still be read of a state that does not restore, put on a sheet as new as the one it
// came from: each control whose state reads, and the technology base. False when the text
// holds no controls at all.
bool salvageSheetState(const std::string& state, CombatSheet& sheet);
