#pragma once

// The built-in weapon catalogue: every weapon name the lists offer, in their order, and the
// figures of each, some of them different for each technology base.

#include "app/combat_sheet.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct WeaponEntry {
    std::string_view name;
    std::optional<TechBase> techBase; // none: the same figures under both bases
    WeaponFamily family;
    std::int16_t minRange;
    std::int16_t sRange;
    std::int16_t mRange;
    std::int16_t lRange;
    std::string_view damage; // a decimal number or "1/missle", "2/missle", "varies"
    std::int16_t heat;
};

// The weapon names in the order every weapon list offers them.
extern const std::span<const std::string_view> WEAPON_CHOICES;

// The entry for the whole, exact name under the technology base, or none.
std::optional<WeaponEntry> findWeapon(std::string_view name, TechBase techBase);
