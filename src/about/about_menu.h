#pragma once

class CombatSheet;

// "&About Vexolan": opens the About box, modal and owned by the sheet.
void wireAboutMenu(CombatSheet& sheet);
