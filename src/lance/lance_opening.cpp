#include "lance/lance_opening.h"

#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"

LanceFile lanceFileOf(const Lance& lance) {
    LanceFile file;
    file.turn = lance.turn();
    for (std::size_t i = 0; i < lance.size(); ++i) {
        file.mechs.push_back(mechOnSheet(lance.sheet(i)));
    }
    return file;
}

std::string unsavableLance(const Lance& lance) {
    if (lance.size() <= LanceMechLimit) {
        return {};
    }
    return "A lance file holds at most " + std::to_string(LanceMechLimit) + " Mechs; " +
           std::to_string(lance.size()) + " sheets are open. Close some to save the lance.";
}

void openLance(const LanceFile& file, Lance& lance, CombatSheet& current,
               const SheetOpener& openSheet) {
    bool currentTaken = !isUntouched(current);
    for (const MechFile& mech : file.mechs) {
        CombatSheet& sheet = currentTaken ? openSheet() : current;
        currentTaken = true;
        putMechOnSheet(mech, sheet);
    }
    lance.setTurn(file.turn);
}
