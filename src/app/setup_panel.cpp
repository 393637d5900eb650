#include "app/setup_panel.h"

#include "app/combat_sheet.h"

void wireSetupPanel(CombatSheet&) {}
