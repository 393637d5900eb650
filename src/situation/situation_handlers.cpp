#include "situation/situation_handlers.h"

#include "app/combat_sheet.h"

void wireSituationHandlers(CombatSheet&) {}
