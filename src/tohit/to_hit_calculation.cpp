#include "tohit/to_hit_calculation.h"

#include "app/combat_sheet.h"
#include "tohit/sixteen_bit.h"
#include "tohit/to_hit_breakdown.h"
#include "tohit/to_hit_row.h"

#include <array>
#include <optional>
#include <string>

namespace {

// The user fixes a missing skill through the menu entry that brings the setup panel back.
std::string noGunneryMessage(const CombatSheet& sheet) {
    return "Please Enter Pilot's Gunnery Skill. Click [" + sheet.mnuEdit.plainCaption() + "].";
}

const char* const NoRangeMessage = "Please enter range to target";

struct Outcome {
    std::array<ToHitRow, WEAPON_ROWS> rows;
    std::int16_t heatTotal = 0;
    std::string error;
};

// Every row is computed before anything is shown: a text that cannot be read in row 9
// must not leave rows 1 to 8 new and the rest stale, looking like a finished result.
Outcome computeAll(const CombatSheet& sheet) {
    Outcome outcome;
    int heat = 0;
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        outcome.rows[i] = computeToHitRow(sheet, i);
        if (outcome.rows[i].status == ToHitRow::Status::Failed) {
            outcome.error = outcome.rows[i].error;
            return outcome;
        }
        // A ticked row fires whatever its result, so its heat counts even when it is
        // empty or out of range.
        if (sheet.fireCheck[i].value() == BoxState::Ticked) {
            heat += sheet.weapHeat[i];
            std::optional<std::int16_t> total = toSixteenBit(heat);
            if (!total) {
                outcome.error = notSixteenBitMessage(sheet.totalHeatBox.plainCaption());
                return outcome;
            }
            outcome.heatTotal = *total;
        }
    }
    return outcome;
}

void calculate(CombatSheet& sheet) {
    platform::MessageBox& messageBox = sheet.platform().messageBox;
    if (sheet.gunSkill.text().empty()) {
        messageBox.show(noGunneryMessage(sheet));
        return;
    }
    if (sheet.rangeBox.text().empty()) {
        messageBox.show(NoRangeMessage);
        return;
    }
    Outcome outcome = computeAll(sheet);
    if (!outcome.error.empty()) {
        messageBox.show(outcome.error);
        return;
    }
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        const ToHitRow& row = outcome.rows[i];
        sheet.toHit[i].setText(row.toHitText());
        // The tip explains the number just written; it stays with it until the next
        // calculation, like the number itself.
        sheet.toHit[i].setToolTip(toHitToolTip(sheet, row, i));
    }
    // Written even when nothing is ticked, so that it always shows the heat of the rows
    // ticked at the last calculation.
    sheet.totalHeatBox.setText(std::to_string(outcome.heatTotal));
    sheet.resultsAge.calculated(sheet.resultInputs());
}

} // namespace

void wireToHitCalculation(CombatSheet& sheet) {
    sheet.calculateButton.onClick([&sheet] { calculate(sheet); });
}
