#include "weapons/weapon_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

std::map<std::string, std::vector<WeaponEntry>> entriesByName() {
    std::map<std::string, std::vector<WeaponEntry>> byName;
    for (const WeaponEntry& entry : WeaponCatalogue::entries()) {
        byName[std::string(entry.name)].push_back(entry);
    }
    return byName;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool isWholeNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

TEST(WeaponCatalogue, ChoicesAreFortyTwoDistinctNamesAndMatchTheCatalogue) {
    std::set<std::string> choices(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end());
    EXPECT_EQ(choices.size(), 42u);
    std::set<std::string> names;
    for (const auto& [name, entries] : entriesByName()) {
        names.insert(name);
    }
    EXPECT_EQ(names, choices);
}

TEST(WeaponCatalogue, EachNameHasOneEntryForBothBasesOrOneEntryPerBase) {
    const std::set<std::string> expectedTwoEntry = {
        "erLLaser", "erMLaser",  "erSLaser",  "LPLaser",    "MPLaser",    "SPLaser",
        "erPPC",    "LB-2X AC",  "LB-5X AC",  "LB-10X AC",  "LB-20X AC",  "UltraAC2",
        "UltraAC5", "UltraAC10", "UltraAC20", "StreakSRM2", "StreakSRM4", "StreakSRM6"};
    std::set<std::string> twoEntry;
    int bothBases = 0;
    for (const auto& [name, entries] : entriesByName()) {
        if (entries.size() == 1) {
            EXPECT_EQ(entries[0].techBase, WeaponEntry::BothBases) << name;
            ++bothBases;
        } else {
            ASSERT_EQ(entries.size(), 2u) << name;
            std::set<int> bases = {entries[0].techBase, entries[1].techBase};
            EXPECT_EQ(bases, (std::set<int>{1, 2})) << name;
            twoEntry.insert(name);
        }
    }
    EXPECT_EQ(twoEntry, expectedTwoEntry);
    EXPECT_EQ(bothBases, 24);
    EXPECT_EQ(WeaponCatalogue::entries().size(), 60u);
}

TEST(WeaponCatalogue, EveryChoiceIsFoundUnderBothBasesAsItsOwnEntry) {
    for (std::string_view name : WEAPON_CHOICES) {
        for (std::int16_t base : {std::int16_t{1}, std::int16_t{2}}) {
            std::optional<WeaponEntry> entry = findWeapon(name, base);
            ASSERT_TRUE(entry) << name << " under " << base;
            EXPECT_EQ(entry->name, name);
            EXPECT_TRUE(entry->techBase == WeaponEntry::BothBases || entry->techBase == base)
                << name << " under " << base;
        }
    }
}

TEST(WeaponCatalogue, BracketsAreOrderedAndNotNegative) {
    for (const WeaponEntry& e : WeaponCatalogue::entries()) {
        EXPECT_GE(e.minRange, 0) << e.name;
        EXPECT_GE(e.sRange, 0) << e.name;
        EXPECT_LE(e.sRange, e.mRange) << e.name;
        EXPECT_LE(e.mRange, e.lRange) << e.name;
        EXPECT_GE(e.heat, 0) << e.name;
    }
}

// Calculate picks out these families by a piece of the name, so no other name may hold it.
TEST(WeaponCatalogue, ClusterAndPulseFamiliesAreExactlyTheListedNames) {
    std::set<std::string> lb, pulse;
    for (std::string_view name : WEAPON_CHOICES) {
        if (name.find("LB") != std::string_view::npos) {
            lb.insert(std::string(name));
        }
        if (name.find("PLas") != std::string_view::npos) {
            pulse.insert(std::string(name));
        }
    }
    EXPECT_EQ(lb, (std::set<std::string>{"LB-2X AC", "LB-5X AC", "LB-10X AC", "LB-20X AC"}));
    EXPECT_EQ(pulse, (std::set<std::string>{"LPLaser", "MPLaser", "SPLaser"}));
}

TEST(WeaponCatalogue, DamageTextFollowsTheWeaponKind) {
    for (const WeaponEntry& e : WeaponCatalogue::entries()) {
        if (startsWith(e.name, "LRM") || startsWith(e.name, "MRM")) {
            EXPECT_EQ(e.damage, "1/missle") << e.name;
        } else if (startsWith(e.name, "SRM") || startsWith(e.name, "StreakSRM")) {
            EXPECT_EQ(e.damage, "2/missle") << e.name;
        } else if (e.name == "Hatchet" || e.name == "Sword") {
            EXPECT_EQ(e.damage, "varies") << e.name;
        } else {
            EXPECT_TRUE(isWholeNumber(e.damage)) << e.name << ": " << e.damage;
            EXPECT_NE(e.damage.front(), '0') << e.name;
        }
    }
}

struct Figures {
    std::int16_t minRange, sRange, mRange, lRange;
    const char* damage;
    std::int16_t heat;
};

struct LookupCase {
    const char* label;
    const char* name;
    std::int16_t techBase;
    std::optional<Figures> expected;
};

class FindWeapon : public testing::TestWithParam<LookupCase> {};

TEST_P(FindWeapon, GivesTheFiguresOfTheMatchingEntryOrNone) {
    const LookupCase& c = GetParam();
    std::optional<WeaponEntry> entry = findWeapon(c.name, c.techBase);
    ASSERT_EQ(entry.has_value(), c.expected.has_value());
    if (!entry) {
        return;
    }
    const Figures& f = *c.expected;
    EXPECT_EQ(entry->minRange, f.minRange);
    EXPECT_EQ(entry->sRange, f.sRange);
    EXPECT_EQ(entry->mRange, f.mRange);
    EXPECT_EQ(entry->lRange, f.lRange);
    EXPECT_EQ(entry->damage, f.damage);
    EXPECT_EQ(entry->heat, f.heat);
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, FindWeapon,
    testing::Values(
        LookupCase{"Lb10xSameUnderBase1", "LB-10X AC", 1, Figures{0, 6, 12, 18, "10", 2}},
        LookupCase{"Lb10xSameUnderBase2", "LB-10X AC", 2, Figures{0, 6, 12, 18, "10", 2}},
        LookupCase{"ErPpcBase1", "erPPC", 1, Figures{0, 7, 14, 23, "10", 15}},
        LookupCase{"ErPpcBase2", "erPPC", 2, Figures{0, 7, 14, 23, "15", 15}},
        LookupCase{"Lb20xBase1", "LB-20X AC", 1, Figures{0, 4, 8, 12, "20", 6}},
        LookupCase{"Lb20xBase2ShorterAndCooler", "LB-20X AC", 2, Figures{0, 2, 4, 6, "20", 2}},
        LookupCase{"UltraAc2Base1", "UltraAC2", 1, Figures{3, 8, 17, 25, "2", 1}},
        LookupCase{"UltraAc2Base2Hotter", "UltraAC2", 2, Figures{2, 9, 18, 27, "2", 2}},
        LookupCase{"UltraAc10Base1", "UltraAC10", 1, Figures{0, 6, 12, 18, "10", 4}},
        LookupCase{"UltraAc10Base2Cooler", "UltraAC10", 2, Figures{0, 6, 12, 18, "10", 3}},
        LookupCase{"Lb5xBase1Hotter", "LB-5X AC", 1, Figures{3, 7, 14, 21, "5", 2}},
        LookupCase{"Lb5xBase2", "LB-5X AC", 2, Figures{3, 8, 15, 24, "5", 1}},
        LookupCase{"UltraAc5Base1MinimumRange", "UltraAC5", 1, Figures{2, 6, 13, 20, "5", 1}},
        LookupCase{"UltraAc5Base2NoMinimumRange", "UltraAC5", 2, Figures{0, 7, 14, 21, "5", 1}},
        LookupCase{"GaussRifle", "Gauss Rifle", 1, Figures{2, 7, 15, 22, "15", 1}},
        LookupCase{"Hatchet", "Hatchet", 2, Figures{0, 1, 1, 1, "varies", 0}},
        LookupCase{"Sword", "Sword", 1, Figures{0, 1, 1, 1, "varies", 0}},
        LookupCase{"MgCarriesNoHeat", "MG", 1, Figures{0, 1, 2, 3, "2", 0}},
        LookupCase{"LrmDamagePerMissile", "LRM20", 2, Figures{6, 7, 14, 21, "1/missle", 6}},
        LookupCase{"GaussLowerCase", "gauss rifle", 1, std::nullopt},
        LookupCase{"GaussOtherCapitals", "Gauss rifle", 1, std::nullopt},
        LookupCase{"GaussWithoutSpace", "GaussRifle", 1, std::nullopt},
        LookupCase{"GaussLeadingSpace", " Gauss Rifle", 1, std::nullopt},
        LookupCase{"GaussTrailingSpace", "Gauss Rifle ", 2, std::nullopt},
        LookupCase{"GaussDoubleSpace", "Gauss  Rifle", 2, std::nullopt},
        LookupCase{"Lb10xLowerCase", "lb-10x ac", 1, std::nullopt},
        LookupCase{"PartOfAName", "LRM", 1, std::nullopt},
        LookupCase{"EmptyText", "", 1, std::nullopt},
        LookupCase{"EmptyTextClan", "", 2, std::nullopt}),
    [](const testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.label); });

TEST(WeaponCatalogue, OnlyTheThreeMeleeAndMachineGunEntriesCarryNoHeat) {
    std::set<std::string> cold;
    for (const WeaponEntry& e : WeaponCatalogue::entries()) {
        if (e.heat == 0) {
            cold.insert(std::string(e.name));
        }
    }
    EXPECT_EQ(cold, (std::set<std::string>{"MG", "Hatchet", "Sword"}));
}

} // namespace
