#pragma once

class CombatSheet;

// "&Range Chart": opens the sheet's range chart, or brings it to the front.
void wireRangeChartMenu(CombatSheet& sheet);
