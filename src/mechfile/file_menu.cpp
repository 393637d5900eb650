#include "mechfile/file_menu.h"

#include "mechfile/mech_file_reader.h"
#include "mechfile/mech_file_writer.h"
#include "mechfile/mech_on_sheet.h"
#include "mechfile/untouched_sheet.h"

#include <algorithm>
#include <optional>

namespace {

using Status = platform::FileStore::Status;

// A Mech file as read, with the very bytes it held.
struct ReadMech {
    MechFile mech;
    std::string bytes;
};

// The file's Mech, or none once a message has named the file and what is wrong with it.
std::optional<ReadMech> loadMechFile(CombatSheet& sheet, const std::string& path) {
    platform::FileStore::Reading reading = sheet.platform().fileStore.read(path, MechFileSizeLimit);
    std::variant<MechFile, MechFileFault> mech = unreadableFileFault(reading, "Mech");
    if (reading.status == Status::Read) {
        mech = readMechFile(reading.bytes, sheet);
    }
    if (const auto* fault = std::get_if<MechFileFault>(&mech)) {
        sheet.platform().messageBox.show("Cannot open the Mech file \"" + path + "\":\n" +
                                         fault->text);
        return std::nullopt;
    }
    return ReadMech{std::get<MechFile>(std::move(mech)), std::move(reading.bytes)};
}

// The sheet now holds the Mech of its file as the file holds it, in these bytes.
void keepAsSaved(CombatSheet& sheet, const std::string& path, std::string bytes) {
    sheet.mechFile = path;
    sheet.savedMech = writeMechFile(mechOnSheet(sheet));
    sheet.mechFileBytes = std::move(bytes);
}

// Whether the sheet's own file holds other bytes than the sheet last read from it or wrote to
// it: another program, or another copy of this one, saved it since. A file gone loses nothing
// to a save, and one that cannot be read at all gets its own message from the write.
bool changedSinceKept(CombatSheet& sheet) {
    const platform::FileStore::Reading reading =
        sheet.platform().fileStore.read(sheet.mechFile, MechFileSizeLimit);
    return reading.status == Status::TooLarge ||
           (reading.status == Status::Read && reading.bytes != sheet.mechFileBytes);
}

// Whether the user lets the sheet write over what someone else saved to its file.
bool overwriteAllowed(CombatSheet& sheet) {
    const std::string question = "The Mech file \"" + sheet.mechFile +
                                 "\" has changed on disk since this sheet opened or saved it.\n"
                                 "Overwrite it with the Mech on this sheet?";
    return sheet.platform().messageBox.askToOverwrite(question) ==
           platform::MessageBox::Answer::Overwrite;
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

// A cancel of the question about a file changed on disk leaves the file and the sheet as they
// are, as if Save had not been chosen.
bool saveMech(CombatSheet& sheet, const std::string& path) {
    std::string bytes = writeMechFile(mechOnSheet(sheet));
    std::string refused;
    if (path != sheet.mechFile && sheet.platform().windows.otherSheetHolds(path)) {
        refused = "The file is open on another sheet; save it there, or close that sheet first.";
    } else if (path == sheet.mechFile && changedSinceKept(sheet) && !overwriteAllowed(sheet)) {
        return false;
    } else {
        refused = sheet.platform().fileStore.write(path, bytes);
    }
    if (!refused.empty()) {
        sheet.platform().messageBox.show("Cannot save the Mech to \"" + path + "\":\n" + refused);
        return false;
    }
    keepAsSaved(sheet, path, std::move(bytes));
    return true;
}

bool saveMechAs(CombatSheet& sheet) {
    const std::string path =
        sheet.platform().fileDialog.chooseFileToSave(nameToAsk(sheet, /*saveAs=*/true));
    return !path.empty() && saveMech(sheet, path);
}

bool save(CombatSheet& sheet) {
    return nameToAsk(sheet, /*saveAs=*/false).empty() ? saveMech(sheet, sheet.mechFile)
                                                      : saveMechAs(sheet);
}

} // namespace

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

std::string nameToAsk(const CombatSheet& sheet, bool saveAs) {
    if (!sheet.mechFile.empty()) {
        return saveAs ? sheet.mechFile : std::string();
    }
    return suggestedFileName(sheet);
}

bool openMechFile(CombatSheet& sheet, const std::string& path) {
    std::optional<ReadMech> read = loadMechFile(sheet, path);
    if (read) {
        putMechOnSheet(read->mech, sheet);
        keepAsSaved(sheet, path, std::move(read->bytes));
    }
    return read.has_value();
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
    case Answer::Overwrite: // not an answer to this question
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
