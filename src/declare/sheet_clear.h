#pragma once

class CombatSheet;

// Clear: empties the results and ticks of the last attack and sets the attacker's and the
// target's conditions of the moment back to their opening values. It only sets controls;
// their own handlers reset the situation modifiers. The Mech, its weapons, its damage and
// the range stay.
void wireSheetClear(CombatSheet& sheet);
