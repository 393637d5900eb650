#include "app/combat_sheet.h"

#include "about/about_menu.h"
#include "about/help_request.h"
#include "app/setup_panel.h"
#include "declare/fire_declaration.h"
#include "declare/sheet_clear.h"
#include "situation/situation_handlers.h"
#include "tohit/to_hit_calculation.h"
#include "weapons/weapon_catalogue.h"
#include "weapons/weapon_row_fill.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> numbers(int first, int last) {
    std::vector<std::string> texts;
    for (int n = first; n <= last; ++n) {
        texts.push_back(std::to_string(n));
    }
    return texts;
}

std::vector<std::string> weaponChoices() {
    return {WEAPON_CHOICES.begin(), WEAPON_CHOICES.end()};
}

} // namespace

CombatSheet::CombatSheet(platform::PlatformServices& platform) : platform_(platform) {
    setUpControls();
    wireSetupPanel(*this);
    wireSituationHandlers(*this);
    wireWeaponRowFill(*this);
    wireToHitCalculation(*this);
    wireFireDeclaration(*this);
    wireSheetClear(*this);
    wireHelpRequest(*this);
    wireAboutMenu(*this);
    load();
}

void CombatSheet::setUpControls() {
    gunSkill = ComboBox(numbers(0, 12), false);
    pilotSkill = ComboBox(numbers(0, 12), false);
    gunSkillText.setEnabled(false);
    range1.setReadOnly(true);
    Label6.hide();
    tFacing = ComboBox({"Left Side", "Front", "Rear", "Right Side"}, false);
    tFacing.hide();
    tFacing.setEnabled(false);
    hexLW = ComboBox({"0", "1", "2", "3"}, true, "0");
    hexHW = ComboBox({"0", "1", "2"}, true, "0");
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        weapName[i] = ComboBox(weaponChoices(), false);
        weapLoc[i] = ComboBox({"RA", "RL", "RT", "CT", "LT", "LL", "LA", "H"}, false);
        Damage[i].setReadOnly(true);
        toHit[i].setReadOnly(true);
    }
    Text12.setReadOnly(true);
}

// The window's load: Inner Sphere, setup panel in front, target panel hidden.
void CombatSheet::load() {
    techBase = 1;
    Setup.show();
    Frame1.hide();
}
