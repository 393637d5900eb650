#include "mechfile/file_menu.h"

#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_file_writer.h"
#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"

#include <algorithm>
#include <optional>

namespace {

using Status = platform::FileStore::Status;

std::string faultOf(const platform::FileStore::Reading& reading) {
    switch (reading.status) {
    case Status::Missing:
        return "The file does not exist.";
    case Status::Folder:
        return "It is a folder, not a file.";
    case Status::TooLarge:
        return "The file is larger than 1 MiB, far too large for a Mech file.";
    case Status::LinkLoop:
        return "The symbolic links on the way to the file go round in a loop.";
    default:
        return "The file cannot be read (" + reading.reason + ").";
    }
}

// The file's Mech, or none once a message has named the file and what is wrong with it.
std::optional<MechFile> loadMechFile(CombatSheet& sheet, const std::string& path) {
    const platform::FileStore::Reading reading =
        sheet.platform().fileStore.read(path, MechFileSizeLimit);
    std::variant<MechFile, MechFileFault> mech = MechFileFault{faultOf(reading)};
    if (reading.status == Status::Read) {
        mech = readMechFile(reading.bytes, sheet);
    }
    if (const auto* fault = std::get_if<MechFileFault>(&mech)) {
        sheet.platform().messageBox.show("Cannot open the Mech file \"" + path + "\":\n" +
                                         fault->text);
        return std::nullopt;
    }
    return std::get<MechFile>(std::move(mech));
}

// A file that is no good gets its message from the sheet it was chosen on, whichever sheet
// would have taken it.
void openChosenFiles(CombatSheet& sheet) {
    for (const std::string& path : sheet.platform().fileDialog.chooseFilesToOpen()) {
        if (isUntouched(sheet)) {
            openMechFile(sheet, path);
        } else if (loadMechFile(sheet, path)) {
            sheet.platform().windows.openSheetFor(path);
        }
    }
}

// The Mech model as a file name, without the characters that file names cannot hold.
std::string suggestedFileName(const CombatSheet& sheet) {
    std::string name = sheet.mechName.text();
    std::replace_if(
        name.begin(), name.end(),
        [](unsigned char c) {
            return c < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        },
        '-');
    if (name.find_first_not_of(" .") == std::string::npos) {
        name = "Mech";
    }
    return name + std::string(MechFileExtension);
}

void saveMech(CombatSheet& sheet, const std::string& path) {
    const std::string refused =
        sheet.platform().fileStore.write(path, writeMechFile(mechOnSheet(sheet)));
    if (!refused.empty()) {
        sheet.platform().messageBox.show("Cannot save the Mech to \"" + path + "\":\n" + refused);
        return;
    }
    sheet.mechFile = path;
}

void saveMechAs(CombatSheet& sheet) {
    const std::string path = sheet.platform().fileDialog.chooseFileToSave(
        sheet.mechFile.empty() ? suggestedFileName(sheet) : sheet.mechFile);
    if (!path.empty()) {
        saveMech(sheet, path);
    }
}

} // namespace

bool openMechFile(CombatSheet& sheet, const std::string& path) {
    const std::optional<MechFile> mech = loadMechFile(sheet, path);
    if (mech) {
        putMechOnSheet(*mech, sheet);
        sheet.mechFile = path;
    }
    return mech.has_value();
}

void wireFileMenu(CombatSheet& sheet) {
    sheet.mnuOpen.onClick([&sheet] { openChosenFiles(sheet); });
    sheet.mnuSave.onClick([&sheet] {
        if (sheet.mechFile.empty()) {
            saveMechAs(sheet);
        } else {
            saveMech(sheet, sheet.mechFile);
        }
    });
    sheet.mnuSaveAs.onClick([&sheet] { saveMechAs(sheet); });
}
