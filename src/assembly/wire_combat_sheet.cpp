#include "assembly/wire_combat_sheet.h"

#include "about/about_menu.h"
#include "about/help_request.h"
#include "app/setup_panel.h"
#include "declare/fire_declaration.h"
#include "declare/sheet_clear.h"
#include "situation/situation_handlers.h"
#include "tohit/range_chart_menu.h"
#include "tohit/to_hit_calculation.h"
#include "weapons/weapon_row_fill.h"

void wireCombatSheet(CombatSheet& sheet) {
    wireSetupPanel(sheet);
    wireSituationHandlers(sheet);
    wireWeaponRowFill(sheet);
    wireToHitCalculation(sheet);
    wireRangeChartMenu(sheet);
    wireFireDeclaration(sheet);
    wireSheetClear(sheet);
    wireHelpRequest(sheet);
    wireAboutMenu(sheet);
}
