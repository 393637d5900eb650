#include "declare/fire_declaration.h"

#include "app/combat_sheet.h"

void wireFireDeclaration(CombatSheet&) {}
