#include "assembly/wire_combat_sheet.h"

#include "about/about_menu.h"
#include "about/help_request.h"
#include "app/setup_panel.h"
#include "app/sheet_zoom.h"
#include "declare/fire_declaration.h"
#include "declare/sheet_clear.h"
#include "mechfile/file_menu.h"
#include "situation/situation_handlers.h"
#include "tohit/range_chart_menu.h"
#include "tohit/to_hit_calculation.h"
#include "weapons/weapon_row_fill.h"

void wireCombatSheet(CombatSheet& sheet) {
    wireSetupPanel(sheet);
    wireSheetZoom(sheet);
    wireSituationHandlers(sheet);
    wireWeaponRowFill(sheet);
    wireToHitCalculation(sheet);
    wireRangeChartMenu(sheet);
    wireFireDeclaration(sheet);
    wireSheetClear(sheet);
    wireHelpRequest(sheet);
    wireAboutMenu(sheet);
    wireFileMenu(sheet);
}
