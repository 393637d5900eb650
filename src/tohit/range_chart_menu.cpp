#include "tohit/range_chart_menu.h"

#include "app/combat_sheet.h"

void wireRangeChartMenu(CombatSheet& sheet) {
    sheet.mnuRangeChart.onClick([&sheet] { sheet.platform().windows.openRangeChart(); });
}
