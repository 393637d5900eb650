#include "weapons/weapon_row_fill.h"

#include "app/combat_sheet.h"
#include "weapons/weapon_catalogue.h"

#include <string>
#include <vector>

void fillWeaponRows(CombatSheet& sheet) {
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        // A row where nothing was ever picked has no entry and keeps its fields as they are.
        auto entry = findWeapon(sheet.weapName[i].text(), sheet.techBase);
        if (!entry) {
            continue;
        }
        sheet.minRange[i].setText(std::to_string(entry->minRange));
        sheet.sRange[i].setText(std::to_string(entry->sRange));
        sheet.mRange[i].setText(std::to_string(entry->mRange));
        sheet.lRange[i].setText(std::to_string(entry->lRange));
        sheet.weapHeat[i] = entry->heat;
        sheet.weapFamily[i] = entry->family;
        sheet.damage[i].setText(std::string(entry->damage));
    }
}

void wireWeaponRowFill(CombatSheet& sheet) {
    const std::vector<std::string> choices(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end());
    // Only the user's pick refills the rows; nothing in the program sets a weapon choice, so
    // a change of the technology base shows only at the next pick.
    for (ComboBox& list : sheet.weapName) {
        list.setItems(choices);
        list.onClick([&sheet] { fillWeaponRows(sheet); });
    }
}
