#include "declare/sheet_clear.h"

#include "app/combat_sheet.h"

#include <cstddef>

namespace {

// The declaration, the total heat, every to-hit number with its tip and every fire tick.
void clearResults(CombatSheet& sheet) {
    sheet.declarationBox.setText("");
    sheet.totalHeatBox.setText("");
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        sheet.toHit[row].setText("");
        sheet.toHit[row].setToolTip(""); // the breakdown of the number just emptied
        sheet.fireCheck[row].setValue(BoxState::Unticked);
    }
    // Its own handler unticks the rows again, which changes nothing by now.
    sheet.selectAllBox.setValue(BoxState::Unticked);
}

// Movement, heat, prone and water; the damage boxes describe the Mech and stay.
void resetAttacker(CombatSheet& sheet) {
    sheet.stationaryOption.select();
    sheet.heat0to7Option.select();
    sheet.attackerProneBox.setValue(BoxState::Unticked);
    sheet.attackerWaterBox.setValue(BoxState::Unticked);
}

// Leaving the water does not untick "Partial Cover", so it is unticked on its own.
// "Adjacent Hex" follows the range, which stays, so it is left alone.
void resetTarget(CombatSheet& sheet) {
    sheet.targetMoved0to2Option.select();
    sheet.targetJumpedBox.setValue(BoxState::Unticked);
    sheet.partialCoverBox.setValue(BoxState::Unticked);
    sheet.targetProneBox.setValue(BoxState::Unticked);
    sheet.immobileBox.setValue(BoxState::Unticked);
    sheet.openHexOption.select();
}

void resetInterveningWoods(CombatSheet& sheet) {
    sheet.hexLW.setText("0");
    sheet.hexHW.setText("0");
}

// Every modifier is reset by the handler of its control, never written here, so that a
// control and its modifier cannot drift apart.
void clearSheet(CombatSheet& sheet) {
    clearResults(sheet);
    resetAttacker(sheet);
    resetTarget(sheet);
    resetInterveningWoods(sheet);
    sheet.resultsAge.cleared();
}

} // namespace

void wireSheetClear(CombatSheet& sheet) {
    sheet.clearButton.onClick([&sheet] { clearSheet(sheet); });
}
