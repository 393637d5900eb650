#pragma once

class CombatSheet;

// Refills every row holding a weapon from the catalogue under the current technology base.
void fillWeaponRows(CombatSheet& sheet);
void wireWeaponRowFill(CombatSheet& sheet);
