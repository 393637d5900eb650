#pragma once

class CombatSheet;

// Whether the sheet is still as it opened: no Mech file of its own, its title and every
// control as on a new sheet, so that nothing its user did would be lost under a Mech put on
// it. A user who tries things and takes them back leaves a sheet untouched.
bool isUntouched(CombatSheet& sheet);
