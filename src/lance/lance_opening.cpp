#include "lance/lance_opening.h"

#include "lance/lance_file_reader.h"
#include "lance/lance_file_writer.h"
#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"

using Status = platform::FileStore::Status;

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

bool openLanceFile(const std::string& path, Lance& lance, CombatSheet& current,
                   const SheetOpener& openSheet) {
    platform::PlatformServices& platform = current.platform();
    const platform::FileStore::Reading reading = platform.fileStore.read(path, LanceFileSizeLimit);
    std::variant<LanceFile, MechFileFault> file = unreadableFileFault(reading, "lance");
    if (reading.status == Status::Read) {
        file = readLanceFile(reading.bytes, current);
    }
    if (const auto* fault = std::get_if<MechFileFault>(&file)) {
        platform.messageBox.show("Cannot open the lance file \"" + path + "\":\n" + fault->text);
        return false;
    }
    openLance(std::get<LanceFile>(file), lance, current, openSheet);
    return true;
}

bool saveLanceFile(const std::string& path, const Lance& lance) {
    std::string refused = unsavableLance(lance);
    if (refused.empty()) {
        refused = lance.platform().fileStore.write(path, writeLanceFile(lanceFileOf(lance)));
    }
    if (!refused.empty()) {
        lance.platform().messageBox.show("Cannot save the lance to \"" + path + "\":\n" + refused);
        return false;
    }
    return true;
}

std::string suggestedLanceFileName() {
    return "Lance" + std::string(LanceFileExtension);
}
