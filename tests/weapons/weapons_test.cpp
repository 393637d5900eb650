// The weapon catalogue against its golden table, and the refill of the weapon rows.

#include "support/sheet_fixture.h"
#include "weapons/weapon_catalogue.h"

#include <fstream>
#include <map>
#include <sstream>

namespace {

// The figures of an entry as the golden table writes them: "0 5 10 15 8 8 other".
std::string figures(const std::optional<WeaponEntry>& e) {
    if (!e) {
        return "none";
    }
    const char* const families[] = {"other", "pulse", "lbx"};
    std::ostringstream out;
    out << e->minRange << ' ' << e->sRange << ' ' << e->mRange << ' ' << e->lRange << ' '
        << e->damage << ' ' << e->heat << ' ' << families[static_cast<int>(e->family)];
    return out.str();
}

// Every weapon the lists offer, in their order, with the figures of each technology base.
TEST(WeaponCatalogue, MatchesTheGoldenTable) {
    std::ifstream golden(VEXOLAN_TEST_DATA "/weapons/catalogue.txt");
    ASSERT_TRUE(golden.is_open());
    std::vector<std::string> names;
    for (std::string line; std::getline(golden, line);) {
        std::istringstream words(line);
        std::string name, base, rest;
        if (line.starts_with('#') || !(words >> name >> base) ||
            !std::getline(words >> std::ws, rest)) {
            continue;
        }
        std::replace(name.begin(), name.end(), '_', ' ');
        if (names.empty() || names.back() != name) {
            names.push_back(name);
        }
        for (TechBase under : {TechBase::InnerSphere, TechBase::Clan}) {
            if (base == "both" || base == std::to_string(static_cast<int>(under))) {
                EXPECT_EQ(figures(findWeapon(name, under)), rest) << name << " under " << base;
            }
        }
    }
    EXPECT_EQ(names.size(), 42u);
    EXPECT_EQ(names, std::vector<std::string>(WEAPON_CHOICES.begin(), WEAPON_CHOICES.end()));
}

// The name is matched whole, exactly and with case.
TEST(WeaponCatalogue, FindsOnlyTheExactName) {
    for (const char* name :
         {"Gauss rifle", "GaussRifle", " Gauss Rifle", "Gauss Rifle ", "lb-10x ac", "LB-10X", ""}) {
        EXPECT_EQ(figures(findWeapon(name, TechBase::InnerSphere)), "none") << '"' << name << '"';
    }
}

// A row's five texts and its heat.
std::string row(const CombatSheet& s, int i) {
    std::string texts;
    for (auto* column : {&s.minRange, &s.sRange, &s.mRange, &s.lRange, &s.damage}) {
        texts += (*column)[i].text() + ' ';
    }
    return texts + std::to_string(s.weapHeat[i]);
}

// A pick in any row rewrites every row holding a weapon, user edits included, and no other.
TEST_F(SheetTest, APickRewritesEveryRowHoldingAWeaponAndNoOther) {
    act(sheet, "weapName(0)=LLaser weapName(3)=PPC sRange(0)=99 lRange(5)=12 weapName(7)=LRM20");
    const std::map<int, std::string> filled = {
        {0, "0 5 10 15 8 8"}, {3, "3 6 12 18 10 10"}, {5, "   12  0"}, {7, "6 7 14 21 1/missle 6"}};
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        EXPECT_EQ(row(sheet, i), filled.count(i) ? filled.at(i) : "     0") << "row " << i;
    }
}

// A new pick replaces the row's figures; a new technology base shows only at the next pick.
TEST_F(SheetTest, APickTakesTheWeaponAndBaseOfThatMoment) {
    act(sheet, "weapName(2)=AC20 weapName(2)=Hatchet");
    EXPECT_EQ(row(sheet, 2), "0 1 1 1 varies 0");
    act(sheet, "clanOption weapName(0)=erPPC weapName(1)=PPC");
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 15 15");
    act(sheet, "innerSphereOption");
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 15 15");
    act(sheet, "weapName(9)=MG");
    EXPECT_EQ(row(sheet, 0), "0 7 14 23 10 15");
    EXPECT_EQ(row(sheet, 1), "3 6 12 18 10 10");
}

} // namespace
