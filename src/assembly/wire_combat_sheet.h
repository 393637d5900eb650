#pragma once

// The one place that knows every subsystem: it wires each subsystem's handlers to a sheet's
// controls. A sheet window and the tests both call it on every sheet they make.

class CombatSheet;

void wireCombatSheet(CombatSheet& sheet);
