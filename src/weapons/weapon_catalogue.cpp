#include "weapons/weapon_catalogue.h"

const std::array<std::string_view, 42> WEAPON_CHOICES = {
    "LLaser",    "MLaser",    "SLaser",   "erLLaser",   "erMLaser",   "erSLaser",    "LPLaser",
    "MPLaser",   "SPLaser",   "PPC",      "erPPC",      "Flamer",     "Gauss Rifle", "LRM20",
    "LRM15",     "LRM10",     "LRM5",     "MRM40",      "MRM30",      "MRM20",       "MRM10",
    "SRM6",      "SRM4",      "SRM2",     "StreakSRM6", "StreakSRM4", "StreakSRM2",  "AC20",
    "AC10",      "AC5",       "AC2",      "LB-20X AC",  "LB-10X AC",  "LB-5X AC",    "LB-2X AC",
    "UltraAC20", "UltraAC10", "UltraAC5", "UltraAC2",   "MG",         "Hatchet",     "Sword",
};

// TODO(catalogue): the 60 entries and the lookup.
const std::array<WeaponEntry, 60>& WeaponCatalogue::entries() {
    static const std::array<WeaponEntry, 60> table{};
    return table;
}

std::optional<WeaponEntry> findWeapon(std::string_view, std::int16_t) {
    return std::nullopt;
}
