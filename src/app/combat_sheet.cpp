#include "app/combat_sheet.h"

#include <span>
#include <string>
#include <vector>

namespace {

std::vector<std::string> texts(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

// A pilot's skills run from 0 (the best) to 12.
std::vector<std::string> skills() {
    std::vector<std::string> levels;
    for (int level = 0; level <= rules::WorstSkill; ++level) {
        levels.push_back(std::to_string(level));
    }
    return levels;
}

} // namespace

CombatSheet::CombatSheet(platform::PlatformServices& platform) : platform_(platform) {
    setUpControls();
    load();
}

void CombatSheet::setUpControls() {
    // The names make the window's title and go into Mech files: each stays one short line.
    for (TextBox* name : {&mechName, &pilotName}) {
        name->setSingleLine(true);
        name->setMaxLength(NameLength);
    }
    gunSkill.setItems(skills());
    pilotSkill.setItems(skills());
    gunSkillText.setEnabled(false);
    rangeBox.setReadOnly(true);
    facingPanel.hide();
    tFacing.hide();
    tFacing.setEnabled(false);
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        weapLoc[i].setItems(texts(WEAPON_LOCATIONS));
        damage[i].setReadOnly(true);
        toHit[i].setReadOnly(true);
    }
    totalHeatBox.setReadOnly(true);
}

// The window's load: Inner Sphere, setup panel in front, target panel hidden.
void CombatSheet::load() {
    techBase = TechBase::InnerSphere;
    setupPanel.show();
    targetPanel.hide();
}
