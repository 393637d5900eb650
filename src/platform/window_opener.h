#pragma once

#include <string>

namespace platform {

// Opens the program's other windows on behalf of one sheet window, and closes the sheets.
class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // A further, independent combat sheet window, shown at once, without an owner.
    virtual void openSheet() = 0;
    // A further sheet window like openSheet's that holds the Mech of the file at `path`; when
    // the file turns out no good, the new window shows why and is gone again: false.
    virtual bool openSheetFor(const std::string& path) = 0;
    // Brings to the front the sheet that holds the file at `path` as its own, when a sheet of
    // the program does, this one included: a file is open on one sheet at most.
    virtual bool showSheetFor(const std::string& path) = 0;
    // Whether a sheet other than this one holds the file at `path` as its own.
    virtual bool otherSheetHolds(const std::string& path) = 0;
    // Closes this sheet as its close box does: one with unsaved changes asks first.
    virtual void closeSheet() = 0;
    // Closes every sheet of the program in turn, this one first, each as closeSheet does; the
    // first that stays open, its user having cancelled, leaves the rest open too.
    virtual void closeAllSheets() = 0;
    // The About box, modal and owned by the sheet; returns when it closes.
    virtual void openAboutBox() = 0;
    // The sheet's range chart, a window of its own that closes with the sheet; a sheet has
    // one chart at most, and asking again brings it to the front.
    virtual void openRangeChart() = 0;
};

} // namespace platform
