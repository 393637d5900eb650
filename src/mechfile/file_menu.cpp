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

// The sheet now holds the Mech of its file as the file holds it.
void keepAsSaved(CombatSheet& sheet, const std::string& path) {
    sheet.mechFile = path;
    sheet.savedMech = writeMechFile(mechOnSheet(sheet));
}

// A file that is no good gets its message from the sheet it was chosen on, whichever sheet
// would have taken it. A file open on a sheet already is only brought to the front: two
// sheets of one file would each save over the other's changes.
void openChosenFiles(CombatSheet& sheet) {
    platform::WindowOpener& windows = sheet.platform().windows;
    for (const std::string& path : sheet.platform().fileDialog.chooseFilesToOpen()) {
        if (path == sheet.mechFile || windows.showSheetFor(path)) {
            continue;
        }
        if (isUntouched(sheet)) {
            openMechFile(sheet, path);
        } else if (loadMechFile(sheet, path)) {
            windows.openSheetFor(path);
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

bool saveMech(CombatSheet& sheet, const std::string& path) {
    std::string refused;
    if (path != sheet.mechFile && sheet.platform().windows.otherSheetHolds(path)) {
        refused = "The file is open on another sheet; save it there, or close that sheet first.";
    } else {
        refused = sheet.platform().fileStore.write(path, writeMechFile(mechOnSheet(sheet)));
    }
    if (!refused.empty()) {
        sheet.platform().messageBox.show("Cannot save the Mech to \"" + path + "\":\n" + refused);
        return false;
    }
    keepAsSaved(sheet, path);
    return true;
}

bool saveMechAs(CombatSheet& sheet) {
    const std::string path = sheet.platform().fileDialog.chooseFileToSave(
        sheet.mechFile.empty() ? suggestedFileName(sheet) : sheet.mechFile);
    return !path.empty() && saveMech(sheet, path);
}

bool save(CombatSheet& sheet) {
    return sheet.mechFile.empty() ? saveMechAs(sheet) : saveMech(sheet, sheet.mechFile);
}

} // namespace

bool openMechFile(CombatSheet& sheet, const std::string& path) {
    const std::optional<MechFile> mech = loadMechFile(sheet, path);
    if (mech) {
        putMechOnSheet(*mech, sheet);
        keepAsSaved(sheet, path);
    }
    return mech.has_value();
}

bool hasUnsavedChanges(const CombatSheet& sheet) {
    return !sheet.mechFile.empty() && writeMechFile(mechOnSheet(sheet)) != sheet.savedMech;
}

std::string saveQuestion(const CombatSheet& sheet) {
    return "Save the changes to the Mech file \"" + sheet.mechFile + "\"?";
}

bool mayClose(CombatSheet& sheet) {
    if (!hasUnsavedChanges(sheet)) {
        return true;
    }
    using Answer = platform::MessageBox::Answer;
    switch (sheet.platform().messageBox.askToSave(saveQuestion(sheet))) {
    case Answer::Save:
        return save(sheet);
    case Answer::Discard:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void wireFileMenu(CombatSheet& sheet) {
    sheet.mnuOpen.onClick([&sheet] { openChosenFiles(sheet); });
    sheet.mnuSave.onClick([&sheet] { save(sheet); });
    sheet.mnuSaveAs.onClick([&sheet] { saveMechAs(sheet); });
    sheet.mnuClose.onClick([&sheet] { sheet.platform().windows.closeSheet(); });
    sheet.mnuQuit.onClick([&sheet] { sheet.platform().windows.closeAllSheets(); });
}
