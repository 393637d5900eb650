#pragma once

class CombatSheet;

// "&Contents": hands the help file to the help viewer.
void wireHelpRequest(CombatSheet& sheet);
