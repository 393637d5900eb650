#pragma once

// The built-in weapon catalogue: 42 weapon names, 18 of them with one entry per
// technology base, and the order in which the weapon lists offer them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct WeaponEntry {
    static constexpr std::int16_t BothBases = 0;

    std::string_view name;
    std::int16_t techBase; // BothBases, 1 (Inner Sphere) or 2 (Clan)
    std::int16_t minRange;
    std::int16_t sRange;
    std::int16_t mRange;
    std::int16_t lRange;
    std::string_view damage; // a decimal number or "1/missle", "2/missle", "varies"
    std::int16_t heat;
};

extern const std::array<std::string_view, 42> WEAPON_CHOICES;

class WeaponCatalogue {
public:
    static const std::array<WeaponEntry, 60>& entries();
};

// The entry for the whole, exact name under the technology base, or none.
std::optional<WeaponEntry> findWeapon(std::string_view name, std::int16_t techBase);
