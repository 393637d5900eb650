#pragma once

// The fire declaration: the select-all box, Declare and Copy.

class CombatSheet;

void wireFireDeclaration(CombatSheet& sheet);
