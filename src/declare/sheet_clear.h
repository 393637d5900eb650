#pragma once

class CombatSheet;

// Clear: empties the results and ticks and resets the situation controls.
void wireSheetClear(CombatSheet& sheet);
