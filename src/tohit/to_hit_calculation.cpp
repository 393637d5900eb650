#include "tohit/to_hit_calculation.h"

#include "app/combat_sheet.h"

void wireToHitCalculation(CombatSheet&) {}
