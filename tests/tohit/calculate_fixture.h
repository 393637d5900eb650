#pragma once

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "weapons/weapon_pick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

// A sheet driven as a user drives it, with shortcuts for the steps before Calculate.
class CalculateFixture {
protected:
    void chooseSkill(int skill) { sheet.gunSkill.userPick(skill); }

    // The slider handler writes range1; setting it here as well keeps these tests about
    // Calculate alone.
    void setRange(int range) {
        sheet.Slider1.userMove(range);
        sheet.range1.setText(std::to_string(range));
    }

    void placeWeapon(int row, std::string_view name, std::string_view location = {}) {
        pickWeapon(sheet, row, name);
        if (!location.empty()) {
            const auto& items = sheet.weapLoc[row].items();
            auto found = std::find(items.begin(), items.end(), location);
            if (found == items.end()) {
                throw std::invalid_argument("not a location");
            }
            sheet.weapLoc[row].userPick(static_cast<int>(found - items.begin()));
        }
    }

    void calculate() { sheet.Command1.userClick(); }

    std::array<std::string, WEAPON_ROWS> results() const {
        std::array<std::string, WEAPON_ROWS> texts;
        for (int i = 0; i < WEAPON_ROWS; ++i) {
            texts[i] = sheet.toHit[i].text();
        }
        return texts;
    }

    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

class CalculateTest : public CalculateFixture, public testing::Test {};
