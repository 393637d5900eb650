#include "weapons/weapon_catalogue.h"

#include <algorithm>
#include <array>

namespace {

struct Figures {
    std::int16_t minRange;
    std::int16_t sRange;
    std::int16_t mRange;
    std::int16_t lRange;
    std::string_view damage;
    std::int16_t heat;
};

// A weapon as the catalogue keeps it: its figures under the Inner Sphere base, and under the
// Clan base where they differ; none there means the same figures under both.
struct Weapon {
    std::string_view name;
    WeaponFamily family;
    Figures innerSphere;
    std::optional<Figures> clan;
};

constexpr auto Other = WeaponFamily::Other;
constexpr auto Pulse = WeaponFamily::PulseLaser;
constexpr auto Lbx = WeaponFamily::LbxAutocannon;
constexpr std::optional<Figures> Same;

// In the order every weapon list offers them. The damage of missiles is per missile, and melee
// weapons' damage depends on the Mech.
// clang-format off
constexpr auto WEAPONS = std::to_array<Weapon>({
    // name, family, {min, short, med, long, damage, heat} Inner Sphere, then Clan
    {"LLaser", Other, {0, 5, 10, 15, "8", 8}, Same},
    {"MLaser", Other, {0, 3, 6, 9, "5", 3}, Same},
    {"SLaser", Other, {0, 1, 2, 3, "3", 1}, Same},
    {"erLLaser", Other, {0, 7, 14, 19, "8", 12}, Figures{0, 8, 15, 25, "10", 12}},
    {"erMLaser", Other, {0, 4, 8, 12, "5", 5}, Figures{0, 5, 10, 15, "7", 5}},
    {"erSLaser", Other, {0, 2, 4, 5, "3", 2}, Figures{0, 2, 4, 6, "5", 2}},
    {"LPLaser", Pulse, {0, 3, 7, 10, "9", 10}, Figures{0, 6, 14, 20, "10", 10}},
    {"MPLaser", Pulse, {0, 2, 4, 6, "6", 4}, Figures{0, 4, 8, 12, "7", 4}},
    {"SPLaser", Pulse, {0, 1, 2, 3, "3", 2}, Figures{0, 2, 4, 6, "3", 2}},
    {"PPC", Other, {3, 6, 12, 18, "10", 10}, Same},
    {"erPPC", Other, {0, 7, 14, 23, "10", 15}, Figures{0, 7, 14, 23, "15", 15}},
    {"Flamer", Other, {0, 1, 2, 3, "2", 3}, Same},
    {"Gauss Rifle", Other, {2, 7, 15, 22, "15", 1}, Same},
    {"LRM20", Other, {6, 7, 14, 21, "1/missle", 6}, Same},
    {"LRM15", Other, {6, 7, 14, 21, "1/missle", 5}, Same},
    {"LRM10", Other, {6, 7, 14, 21, "1/missle", 4}, Same},
    {"LRM5", Other, {6, 7, 14, 21, "1/missle", 2}, Same},
    {"MRM40", Other, {0, 3, 8, 15, "1/missle", 12}, Same},
    {"MRM30", Other, {0, 3, 8, 15, "1/missle", 10}, Same},
    {"MRM20", Other, {0, 3, 8, 15, "1/missle", 6}, Same},
    {"MRM10", Other, {0, 3, 8, 15, "1/missle", 4}, Same},
    {"SRM6", Other, {0, 3, 6, 9, "2/missle", 4}, Same},
    {"SRM4", Other, {0, 3, 6, 9, "2/missle", 3}, Same},
    {"SRM2", Other, {0, 3, 6, 9, "2/missle", 2}, Same},
    {"StreakSRM6", Other, {0, 3, 6, 9, "2/missle", 4}, Figures{0, 4, 8, 12, "2/missle", 4}},
    {"StreakSRM4", Other, {0, 3, 6, 9, "2/missle", 3}, Figures{0, 4, 8, 12, "2/missle", 3}},
    {"StreakSRM2", Other, {0, 3, 6, 9, "2/missle", 2}, Figures{0, 4, 8, 12, "2/missle", 2}},
    {"AC20", Other, {0, 3, 6, 9, "20", 7}, Same},
    {"AC10", Other, {0, 5, 10, 15, "10", 3}, Same},
    {"AC5", Other, {3, 6, 12, 18, "5", 1}, Same},
    {"AC2", Other, {4, 8, 16, 24, "2", 1}, Same},
    {"LB-20X AC", Lbx, {0, 4, 8, 12, "20", 6}, Figures{0, 2, 4, 6, "20", 2}},
    {"LB-10X AC", Lbx, {0, 6, 12, 18, "10", 2}, Figures{0, 6, 12, 18, "10", 2}},
    {"LB-5X AC", Lbx, {3, 7, 14, 21, "5", 2}, Figures{3, 8, 15, 24, "5", 1}},
    {"LB-2X AC", Lbx, {4, 9, 18, 27, "2", 1}, Figures{4, 10, 20, 30, "2", 1}},
    {"UltraAC20", Other, {0, 3, 7, 10, "20", 8}, Figures{0, 4, 8, 12, "20", 7}},
    {"UltraAC10", Other, {0, 6, 12, 18, "10", 4}, Figures{0, 6, 12, 18, "10", 3}},
    {"UltraAC5", Other, {2, 6, 13, 20, "5", 1}, Figures{0, 7, 14, 21, "5", 1}},
    {"UltraAC2", Other, {3, 8, 17, 25, "2", 1}, Figures{2, 9, 18, 27, "2", 2}},
    {"MG", Other, {0, 1, 2, 3, "2", 0}, Same},
    {"Hatchet", Other, {0, 1, 1, 1, "varies", 0}, Same},
    {"Sword", Other, {0, 1, 1, 1, "varies", 0}, Same},
});
// clang-format on

constexpr auto CHOICES = [] {
    std::array<std::string_view, WEAPONS.size()> names{};
    std::transform(WEAPONS.begin(), WEAPONS.end(), names.begin(),
                   [](const Weapon& weapon) { return weapon.name; });
    return names;
}();

WeaponEntry entryOf(const Weapon& weapon, std::optional<TechBase> base, const Figures& figures) {
    return {weapon.name,    base,           weapon.family,  figures.minRange, figures.sRange,
            figures.mRange, figures.lRange, figures.damage, figures.heat};
}

} // namespace

const std::span<const std::string_view> WEAPON_CHOICES = CHOICES;

std::optional<WeaponEntry> findWeapon(std::string_view name, TechBase techBase) {
    const auto found = std::find_if(WEAPONS.begin(), WEAPONS.end(),
                                    [name](const Weapon& weapon) { return weapon.name == name; });
    if (found == WEAPONS.end()) {
        return std::nullopt;
    }
    if (!found->clan) {
        return entryOf(*found, std::nullopt, found->innerSphere);
    }
    switch (techBase) {
    case TechBase::InnerSphere:
        return entryOf(*found, techBase, found->innerSphere);
    case TechBase::Clan:
        return entryOf(*found, techBase, *found->clan);
    }
    return std::nullopt;
}
