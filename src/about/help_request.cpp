#include "about/help_request.h"

#include "app/combat_sheet.h"

void wireHelpRequest(CombatSheet&) {}
