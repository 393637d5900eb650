#include "weapons/weapon_catalogue.h"

#include <array>

namespace {

constexpr auto CHOICES = std::to_array<std::string_view>({
    "LLaser",    "MLaser",    "SLaser",   "erLLaser",   "erMLaser",   "erSLaser",    "LPLaser",
    "MPLaser",   "SPLaser",   "PPC",      "erPPC",      "Flamer",     "Gauss Rifle", "LRM20",
    "LRM15",     "LRM10",     "LRM5",     "MRM40",      "MRM30",      "MRM20",       "MRM10",
    "SRM6",      "SRM4",      "SRM2",     "StreakSRM6", "StreakSRM4", "StreakSRM2",  "AC20",
    "AC10",      "AC5",       "AC2",      "LB-20X AC",  "LB-10X AC",  "LB-5X AC",    "LB-2X AC",
    "UltraAC20", "UltraAC10", "UltraAC5", "UltraAC2",   "MG",         "Hatchet",     "Sword",
});

constexpr std::optional<TechBase> Both;
constexpr TechBase IS = TechBase::InnerSphere;
constexpr TechBase Clan = TechBase::Clan;

// Search order; a name with figures for each technology base has two consecutive entries.
// The damage of missiles is per missile, and melee weapons' damage depends on the Mech.
constexpr auto TABLE = std::to_array<WeaponEntry>({
    // name, base, min, short, med, long, damage, heat
    {"LLaser", Both, 0, 5, 10, 15, "8", 8},
    {"MLaser", Both, 0, 3, 6, 9, "5", 3},
    {"SLaser", Both, 0, 1, 2, 3, "3", 1},
    {"erLLaser", IS, 0, 7, 14, 19, "8", 12},
    {"erLLaser", Clan, 0, 8, 15, 25, "10", 12},
    {"erMLaser", IS, 0, 4, 8, 12, "5", 5},
    {"erMLaser", Clan, 0, 5, 10, 15, "7", 5},
    {"erSLaser", IS, 0, 2, 4, 5, "3", 2},
    {"erSLaser", Clan, 0, 2, 4, 6, "5", 2},
    {"LPLaser", IS, 0, 3, 7, 10, "9", 10},
    {"LPLaser", Clan, 0, 6, 14, 20, "10", 10},
    {"MPLaser", IS, 0, 2, 4, 6, "6", 4},
    {"MPLaser", Clan, 0, 4, 8, 12, "7", 4},
    {"SPLaser", IS, 0, 1, 2, 3, "3", 2},
    {"SPLaser", Clan, 0, 2, 4, 6, "3", 2},
    {"PPC", Both, 3, 6, 12, 18, "10", 10},
    {"erPPC", IS, 0, 7, 14, 23, "10", 15},
    {"erPPC", Clan, 0, 7, 14, 23, "15", 15},
    {"Gauss Rifle", Both, 2, 7, 15, 22, "15", 1},
    {"Flamer", Both, 0, 1, 2, 3, "2", 3},
    {"AC2", Both, 4, 8, 16, 24, "2", 1},
    {"AC5", Both, 3, 6, 12, 18, "5", 1},
    {"AC10", Both, 0, 5, 10, 15, "10", 3},
    {"AC20", Both, 0, 3, 6, 9, "20", 7},
    {"LB-2X AC", IS, 4, 9, 18, 27, "2", 1},
    {"LB-2X AC", Clan, 4, 10, 20, 30, "2", 1},
    {"LB-5X AC", IS, 3, 7, 14, 21, "5", 2},
    {"LB-5X AC", Clan, 3, 8, 15, 24, "5", 1},
    {"LB-10X AC", IS, 0, 6, 12, 18, "10", 2},
    {"LB-10X AC", Clan, 0, 6, 12, 18, "10", 2},
    {"LB-20X AC", IS, 0, 4, 8, 12, "20", 6},
    {"LB-20X AC", Clan, 0, 2, 4, 6, "20", 2},
    {"UltraAC2", IS, 3, 8, 17, 25, "2", 1},
    {"UltraAC2", Clan, 2, 9, 18, 27, "2", 2},
    {"UltraAC5", IS, 2, 6, 13, 20, "5", 1},
    {"UltraAC5", Clan, 0, 7, 14, 21, "5", 1},
    {"UltraAC10", IS, 0, 6, 12, 18, "10", 4},
    {"UltraAC10", Clan, 0, 6, 12, 18, "10", 3},
    {"UltraAC20", IS, 0, 3, 7, 10, "20", 8},
    {"UltraAC20", Clan, 0, 4, 8, 12, "20", 7},
    {"MG", Both, 0, 1, 2, 3, "2", 0},
    {"LRM5", Both, 6, 7, 14, 21, "1/missle", 2},
    {"LRM10", Both, 6, 7, 14, 21, "1/missle", 4},
    {"LRM15", Both, 6, 7, 14, 21, "1/missle", 5},
    {"LRM20", Both, 6, 7, 14, 21, "1/missle", 6},
    {"MRM40", Both, 0, 3, 8, 15, "1/missle", 12},
    {"MRM30", Both, 0, 3, 8, 15, "1/missle", 10},
    {"MRM20", Both, 0, 3, 8, 15, "1/missle", 6},
    {"MRM10", Both, 0, 3, 8, 15, "1/missle", 4},
    {"SRM2", Both, 0, 3, 6, 9, "2/missle", 2},
    {"SRM4", Both, 0, 3, 6, 9, "2/missle", 3},
    {"SRM6", Both, 0, 3, 6, 9, "2/missle", 4},
    {"StreakSRM2", IS, 0, 3, 6, 9, "2/missle", 2},
    {"StreakSRM2", Clan, 0, 4, 8, 12, "2/missle", 2},
    {"StreakSRM4", IS, 0, 3, 6, 9, "2/missle", 3},
    {"StreakSRM4", Clan, 0, 4, 8, 12, "2/missle", 3},
    {"StreakSRM6", IS, 0, 3, 6, 9, "2/missle", 4},
    {"StreakSRM6", Clan, 0, 4, 8, 12, "2/missle", 4},
    {"Hatchet", Both, 0, 1, 1, 1, "varies", 0},
    {"Sword", Both, 0, 1, 1, 1, "varies", 0},
});

} // namespace

const std::span<const std::string_view> WEAPON_CHOICES = CHOICES;

std::optional<WeaponEntry> findWeapon(std::string_view name, TechBase techBase) {
    for (const WeaponEntry& entry : TABLE) {
        if (entry.name == name && (!entry.techBase || *entry.techBase == techBase)) {
            return entry;
        }
    }
    return std::nullopt;
}
