#pragma once

#include "mechfile/mech_file.h"

// The Mech that a sheet describes: its setup, weapon rows and damage boxes.
MechFile mechOnSheet(const CombatSheet& sheet);

// Enters the Mech on the sheet through the controls' user entry points, in the order a user
// fills in a sheet: names, skills, technology base, equipment, weapons, damage, then "Done".
// So the title, the skill on the sheet, the cluster-munitions flag, the row fill under the
// Mech's own technology base and the shoulder rule all run as they do for the user.
void putMechOnSheet(const MechFile& mech, CombatSheet& sheet);
