#include "twelve_row_attack.h"

#include "app/combat_sheet.h"
#include "support/fake_platform.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct RowPick {
    const char* weapon;
    const char* location;
    bool fire;
};

constexpr RowPick Rows[WEAPON_ROWS] = {
    {"LLaser", "RA", true},       {"MPLaser", "LA", true},     {"PPC", "RT", false},
    {"LRM20", "LT", true},        {"SRM6", "CT", false},       {"AC10", "RA", false},
    {"LB-10X AC", "LA", true},    {"UltraAC5", "RT", false},   {"erMLaser", "H", true},
    {"Gauss Rifle", "CT", false}, {"StreakSRM4", "LL", false}, {"MG", "RL", true},
};

void pick(ComboBox& list, const std::string& entry) {
    const std::vector<std::string>& items = list.items();
    const auto found = std::find(items.begin(), items.end(), entry);
    list.userPick(found == items.end() ? -1 : static_cast<int>(found - items.begin()));
}

} // namespace

void fillInAttack(CombatSheet& sheet) {
    pick(sheet.gunSkill, "4");
    sheet.doneButton.userClick();
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        pick(sheet.weapName[i], Rows[i].weapon);
        pick(sheet.weapLoc[i], Rows[i].location);
        if (Rows[i].fire) {
            sheet.fireCheck[i].userClick();
        }
    }
    sheet.clusterMunitionsBox.userClick();
    sheet.rangeSlider.userMove(5);
    sheet.walkedOption.userClick();
    sheet.heat8to12Option.userClick();
    sheet.rightUpperActuatorBox.userClick();
    sheet.targetMoved5to6Option.userClick();
    sheet.lightWoodsOption.userClick();
    pick(sheet.hexLW, "1");
}

bool everyRowCalculated(const CombatSheet& sheet, const FakePlatform& fake) {
    if (!fake.messageBox.shown.empty() || sheet.totalHeatBox.text().empty()) {
        return false;
    }
    return std::none_of(sheet.toHit.begin(), sheet.toHit.end(),
                        [](const TextBox& box) { return box.text().empty(); });
}
