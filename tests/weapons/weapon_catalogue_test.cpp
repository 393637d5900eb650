#include "weapons/weapon_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

namespace {

using Names = std::set<std::string_view>;

// Every entry: one per name and base, found under either base, brackets ordered and not
// negative, damage text by weapon kind. The lists offer exactly the catalogue's 42 names; a name
// has one entry for both bases or one per base (18 such names). Calculate picks out the cluster
// and pulse families by "LB" and "PLas", so exactly these names may hold them.
TEST(WeaponCatalogue, Invariants) {
    std::map<std::string_view, std::set<int>> bases;
    Names lb, pulse;
    for (const WeaponEntry& e : WeaponCatalogue::entries()) {
        EXPECT_TRUE(bases[e.name].insert(e.techBase).second) << e.name;
        EXPECT_TRUE(findWeapon(e.name, 1) && findWeapon(e.name, 2)) << e.name;
        const std::array<int, 4> brackets{0, e.sRange, e.mRange, e.lRange};
        EXPECT_TRUE(e.minRange >= 0 && std::is_sorted(brackets.begin(), brackets.end())) << e.name;
        const std::string damage(e.damage);
        const bool lrm = e.name.starts_with("LRM") || e.name.starts_with("MRM");
        const bool srm = e.name.starts_with("SRM") || e.name.starts_with("StreakSRM");
        const bool melee = e.name == "Hatchet" || e.name == "Sword";
        const char* kind = lrm ? "1/missle" : srm ? "2/missle" : melee ? "varies" : nullptr;
        EXPECT_EQ(damage, kind ? kind : std::to_string(std::stoi(damage))) << e.name;
        if (e.name.find("LB") != std::string_view::npos) {
            lb.insert(e.name);
        }
        if (e.name.find("PLas") != std::string_view::npos) {
            pulse.insert(e.name);
        }
    }
    int twoEntry = 0;
    Names names, choices(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end());
    for (const auto& [name, set] : bases) {
        EXPECT_TRUE(set == std::set<int>{WeaponEntry::BothBases} || set == (std::set{1, 2}))
            << name;
        twoEntry += set.size() == 2;
        names.insert(name);
    }
    EXPECT_EQ(twoEntry, 18);
    EXPECT_EQ(choices.size(), 42u);
    EXPECT_EQ(names, choices);
    EXPECT_EQ(lb, (Names{"LB-2X AC", "LB-5X AC", "LB-10X AC", "LB-20X AC"}));
    EXPECT_EQ(pulse, (Names{"LPLaser", "MPLaser", "SPLaser"}));
}

// The name is matched whole, exactly and with case; the base picks a two-entry weapon's entry.
TEST(WeaponCatalogue, FindWeaponEdgeCases) {
    // clang-format off
    const std::tuple<const char*, std::int16_t, const char*> cases[] = {
        {"LB-10X AC", 1, "0 6 12 18 10 2"}, {"LB-10X AC", 2, "0 6 12 18 10 2"},
        {"erPPC", 1, "0 7 14 23 10 15"},    {"erPPC", 2, "0 7 14 23 15 15"},
        {"Hatchet", 2, "0 1 1 1 varies 0"}, {"Sword", 1, "0 1 1 1 varies 0"},
        {"MG", 1, "0 1 2 3 2 0"},           {"Gauss Rifle", 1, "2 7 15 22 15 1"},
        {"Gauss rifle", 1, ""}, {"GaussRifle", 1, ""}, {" Gauss Rifle", 1, ""},
        {"Gauss Rifle ", 2, ""}, {"lb-10x ac", 1, ""}, {"", 1, ""}};
    // clang-format on
    for (const auto& [name, base, expected] : cases) {
        std::ostringstream figures;
        if (auto e = findWeapon(name, base)) {
            figures << e->minRange << ' ' << e->sRange << ' ' << e->mRange << ' ' << e->lRange
                    << ' ' << e->damage << ' ' << e->heat;
        }
        EXPECT_EQ(figures.str(), expected) << '"' << name << "\" under " << base;
    }
}

} // namespace
