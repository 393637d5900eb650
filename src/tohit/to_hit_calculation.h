#pragma once

// The Calculate button: each row's to-hit number and the heat of the ticked rows.

class CombatSheet;

void wireToHitCalculation(CombatSheet& sheet);
