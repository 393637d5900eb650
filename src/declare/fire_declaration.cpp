#include "declare/fire_declaration.h"

#include "app/combat_sheet.h"

#include <cstddef>
#include <string>

namespace {

// A one-off action, not a mode: rows whose weapon is chosen later stay as they are.
void selectAll(CombatSheet& sheet) {
    const bool tick = sheet.selectAllBox.value() != BoxState::Unticked;
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        // An empty "Min" marks a row without a weapon; a hand tick on it is taken away too.
        // The final value is set at once, so no row flickers through a tick it will not keep.
        const bool holdsWeapon = !sheet.minRange[row].text().empty();
        sheet.fireCheck[row].setValue(tick && holdsWeapon ? BoxState::Ticked : BoxState::Unticked);
    }
}

// Ticked rows are declared with whatever their fields hold: an empty row, a row not yet
// calculated and an out-of-range row alike. Only a plain tick counts, not a grayed box.
std::string declarationText(const CombatSheet& sheet) {
    std::string declaration;
    for (std::size_t row = 0; row < WEAPON_ROWS; ++row) {
        if (sheet.fireCheck[row].value() == BoxState::Ticked) {
            declaration += "  " + sheet.weapName[row].text() + "@" + sheet.toHit[row].text();
        }
    }
    return declaration;
}

// Rebuilt from scratch every time, so the user's edits in the box are replaced.
void declare(CombatSheet& sheet) {
    sheet.declarationBox.setText(declarationText(sheet));
    sheet.resultsAge.declared(sheet.resultInputs());
}

// The box's text as it stands, the user's edits included. A clipboard that cannot be
// written must not take the sheet down with it.
void copy(CombatSheet& sheet) {
    const std::string declaration = sheet.declarationBox.text();
    platform::copyToClipboard(sheet.platform().clipboard, declaration);
}

} // namespace

void wireFireDeclaration(CombatSheet& sheet) {
    sheet.selectAllBox.onClick([&sheet] { selectAll(sheet); });
    sheet.declareButton.onClick([&sheet] { declare(sheet); });
    sheet.copyButton.onClick([&sheet] { copy(sheet); });
}
