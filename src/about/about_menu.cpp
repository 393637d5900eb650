#include "about/about_menu.h"

#include "app/combat_sheet.h"

void wireAboutMenu(CombatSheet& sheet) {
    sheet.mnuAbout.onClick([&sheet] { sheet.platform().windows.openAboutBox(); });
}
