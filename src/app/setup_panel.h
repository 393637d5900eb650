#pragma once

// The setup panel: Mech and pilot names in the title, the gunnery skill mirrored onto the
// sheet, the technology base, and the switch between setup and sheet presentations.

class CombatSheet;

void wireSetupPanel(CombatSheet& sheet);
