#pragma once

// One combat sheet of a browser page: the sheet and its platform, driven by the page through
// the controls' user entry points, and what changed told back as JSON after every action, so
// that the page redraws only that. The page names a control as the code does
// ("calculateButton", "weapName(3)") and finds it in the layout it was given.

#include "app/combat_sheet.h"
#include "lance/lance_opening.h"
#include "layout/range_chart_scene.h"
#include "layout/sheet_scene.h"
#include "web/browser_platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class WebSheet {
public:
    explicit WebSheet(int zoom = CombatSheet::ActualSize);
    ~WebSheet();
    WebSheet(const WebSheet&) = delete;
    WebSheet& operator=(const WebSheet&) = delete;

    // The sheet window as tables, the same for every sheet: every control's place, kind,
    // caption, name for screen readers and entries; the menu bar; the keyboard order.
    static std::string layoutJson();
    // The About box's texts.
    static std::string aboutJson();

    // Every control's state, with the window's title: what the page draws a new sheet from.
    // The actions' answers then say where the keyboard goes when a panel comes to the front:
    // {"focus": place}, or null.
    std::string view();

    // The user's actions, on the control of that name. Each gives what changed since the last
    // view or action, and what the sheet asks of the page (messages to show, windows to open,
    // the clipboard, files to save): {"changed": [[place, state], ...], "window": {...},
    // "requests": {...}}. An unknown name, or an action the control does not take, changes
    // nothing.
    std::string click(const std::string& control);
    std::string type(const std::string& control, const std::string& text);
    std::string pick(const std::string& control, int index);
    std::string move(const std::string& control, int position);

    // "Open Mech..." with these files, chosen by the user: their names and bytes.
    std::string openFiles(std::vector<std::pair<std::string, std::string>> files);
    // "Save Mech As..." to the name the user chose.
    std::string saveAs(const std::string& name);
    // "Open Lance..." on this sheet with the file the user chose, its name and bytes.
    std::string openLance(const std::string& name, const std::string& bytes, Lance& lance,
                          const SheetOpener& openSheet);
    // What changed since the page was last told, when something other than the page's own
    // action changed the sheet: the lance's Next Turn.
    std::string changes() { return update(); }
    // What a platform was asked, as the actions' answers give it under "requests".
    static std::string requestsJson(const BrowserPlatform::Requests& requests);
    // The name the page calls a command of the lance by, in its menus and its lance view.
    static const char* lanceCodeName(Command Lance::*command);
    // What the sheet asked of the page's sheets during the last action, which is forgotten.
    BrowserPlatform::SheetRequests takeSheetRequests() { return platform_.takeSheetRequests(); }
    // Whether another sheet of the page holds a file as its own.
    void setOtherSheetHolds(std::function<bool(const std::string&)> holds) {
        platform_.setOtherSheetHolds(std::move(holds));
    }

    // The range chart of the sheet as it stands: after a view(), the whole chart ("whole":
    // true, its lines, legend and marks); then the cells and line headings that changed since
    // the page last asked, with the title, the notice and the text Copy puts on the clipboard.
    std::string rangeChartJson();
    bool hasUnsavedChanges() const;
    // What the page asks, with Save, Discard and Cancel, before it closes a sheet with unsaved
    // changes.
    std::string closeQuestion() const;
    const std::string& mechFile() const { return sheet_.mechFile; }

    // The whole sheet as JSON, to keep across a reload; and a sheet taken back from it, as it
    // was, or none when the text is no such state.
    std::string state() const;
    static std::unique_ptr<WebSheet> restore(const std::string& state);
    // Why a kept state does not restore, in words for its user; empty when it does.
    static std::string whyNotRestored(const std::string& state);
    // What can still be read of a kept state that does not restore, as a Mech file:
    // {"name": ..., "bytes": ...}; {} when the text holds no sheet at all.
    static std::string salvagedMech(const std::string& state);

    // Whether the sheet is still as it opened, so that closing it loses nothing.
    bool isUntouched();

    // Every sheet given as one backup file's bytes.
    static std::string backUp(const std::vector<const WebSheet*>& sheets);
    // The kept states of the sheets of a backup, each ready for restore():
    // {"states": [...]} once the whole file is found good, or {"fault": ...} naming what is
    // wrong, in the words of a message, with no state. A sheet that names one of `heldFiles`
    // comes without that file.
    static std::string readBackup(const std::string& name, const std::string& bytes,
                                  const std::set<std::string>& heldFiles);

    CombatSheet& sheet() { return sheet_; }
    const CombatSheet& sheet() const { return sheet_; }

private:
    template <typename Action> std::string act(const std::string& control, Action action);
    std::string update();

    BrowserPlatform platform_;
    platform::PlatformServices services_;
    CombatSheet sheet_;
    SheetScene scene_;                       // as the page was last told
    std::unique_ptr<RangeChartScene> chart_; // made when the page first asks for the chart
    std::string shownTitle_;
    bool shownModified_ = false;
    int shownZoom_ = 0;
};
