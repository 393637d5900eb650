#include "declare/sheet_clear.h"

#include "app/combat_sheet.h"

void wireSheetClear(CombatSheet&) {}
