#include "app/setup_panel.h"

#include "app/combat_sheet.h"

#include <string>

namespace {

// Both name boxes build the same title, so it does not matter which was typed in last.
// Nothing is trimmed: the title shows the names exactly as typed, and ":" alone once both
// boxes have been emptied again.
void showNamesInTitle(CombatSheet& sheet) {
    sheet.setTitle(sheet.pilotName.text() + ":" + sheet.mechName.text());
}

void mirrorGunSkill(CombatSheet& sheet) {
    sheet.gunSkillText.setText(sheet.gunSkill.text());
}

void showSetupPresentation(CombatSheet& sheet) {
    sheet.setupPanel.show();
    sheet.targetPanel.hide();
}

// Copying the skill once more at Done keeps the sheet right even if the list's text ever
// changes without its notification.
void showSheetPresentation(CombatSheet& sheet) {
    mirrorGunSkill(sheet);
    sheet.setupPanel.hide();
    sheet.targetPanel.show();
}

} // namespace

void wireSetupPanel(CombatSheet& sheet) {
    sheet.mechName.onChange([&sheet] { showNamesInTitle(sheet); });
    sheet.pilotName.onChange([&sheet] { showNamesInTitle(sheet); });
    sheet.gunSkill.onChange([&sheet] { mirrorGunSkill(sheet); });
    sheet.doneButton.onClick([&sheet] { showSheetPresentation(sheet); });
    sheet.mnuEdit.onClick([&sheet] { showSetupPresentation(sheet); });
    sheet.mnuNew.onClick([&sheet] { sheet.platform().windows.openSheet(); });
    sheet.innerSphereOption.onClick([&sheet] { sheet.techBase = TechBase::InnerSphere; });
    sheet.clanOption.onClick([&sheet] { sheet.techBase = TechBase::Clan; });
}
