#pragma once

// The weapon row fill: a pick in any row's weapon list refills every row that holds a
// weapon with its catalogue figures under the current technology base.

class CombatSheet;

// Refills every row holding a weapon from the catalogue under the current technology base.
void fillWeaponRows(CombatSheet& sheet);
void wireWeaponRowFill(CombatSheet& sheet);
