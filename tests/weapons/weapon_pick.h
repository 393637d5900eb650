#pragma once

#include "app/combat_sheet.h"
#include "weapons/weapon_catalogue.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

// The user picks the named weapon from a row's list.
inline void pickWeapon(CombatSheet& sheet, int row, std::string_view name) {
    auto found = std::find(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end(), name);
    if (found == WEAPON_CHOICES.end()) {
        throw std::invalid_argument("not a weapon choice");
    }
    sheet.weapName[row].userPick(static_cast<int>(found - WEAPON_CHOICES.begin()));
}
