#pragma once

// The Calculate button: each row's to-hit number and the heat of the ticked rows. All
// twelve rows are worked out before anything is written, so that the sheet shows either
// a complete new result or, with one message naming the field at fault, the old one. Each
// to-hit field's tool tip breaks its number down and gives its odds.

class CombatSheet;

void wireToHitCalculation(CombatSheet& sheet);
