#pragma once

// The weapon row fill: the weapon lists offer the catalogue's weapons, and a pick in any row's
// list refills every row that holds a weapon with its catalogue figures under the current
// technology base.

class CombatSheet;

// Refills every row holding a weapon from the catalogue under the current technology base.
void fillWeaponRows(CombatSheet& sheet);
void wireWeaponRowFill(CombatSheet& sheet);
