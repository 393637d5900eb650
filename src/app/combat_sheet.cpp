#include "app/combat_sheet.h"

#include <initializer_list>
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

// What Calculate reads, for its numbers and their breakdowns, and what Declare reads besides them:
// the ticks. The name of the Mech and its pilot are none of it.
ResultsAge::Inputs CombatSheet::resultInputs() const {
    ResultsAge::Inputs inputs{situation, {}};
    std::vector<std::string>& fields = inputs.fields;
    for (const ComboBox* list : {&gunSkill, &hexLW, &hexHW}) {
        fields.push_back(list->text());
    }
    fields.push_back(rangeBox.text());
    fields.push_back(std::to_string(rangeSlider.position()));
    fields.push_back(std::to_string(static_cast<int>(techBase)));
    fields.push_back(firesClusterMunitions ? "cluster" : "");
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        fields.push_back(weapName[i].text());
        fields.push_back(weapLoc[i].text());
        for (const RowArray<TextBox>* column : {&minRange, &sRange, &mRange, &lRange, &damage}) {
            fields.push_back((*column)[i].text());
        }
        fields.push_back(std::to_string(static_cast<int>(fireCheck[i].value())));
        fields.push_back(std::to_string(weapHeat[i]));
        fields.push_back(std::to_string(static_cast<int>(weapFamily[i])));
    }
    return inputs;
}

// The window's load: Inner Sphere, setup panel in front, target panel hidden.
void CombatSheet::load() {
    techBase = TechBase::InnerSphere;
    setupPanel.show();
    targetPanel.hide();
}
