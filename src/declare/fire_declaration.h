#pragma once

// The fire declaration: the select-all box at the head of the fire column ticks every row
// that holds a weapon (or unticks them all), Declare writes one line naming each ticked
// weapon with its to-hit number into the declaration box, and Copy puts that box's text on
// the clipboard.

class CombatSheet;

void wireFireDeclaration(CombatSheet& sheet);
