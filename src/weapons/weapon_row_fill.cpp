#include "weapons/weapon_row_fill.h"

#include "app/combat_sheet.h"

void fillWeaponRows(CombatSheet&) {}
void wireWeaponRowFill(CombatSheet&) {}
