#pragma once

// The sheets of one browser page, in the order of its tabs, each known by an id of its own
// that the page's tabs go by. What one sheet asks of the others is done here: a new sheet, a
// sheet for each file that the sheet it was chosen on does not take, a sheet that holds a file
// brought to the front; and no sheet saves over a file another one holds. The page calls
// commands with what its user chose and draws what they answer, in JSON text as a sheet's
// actions answer: {"update": <the sheet's update>, "opened": [id, ...], "front": id or 0,
// "newSheet": bool}, the sheets opened meanwhile at the end of the tabs, and the sheet to bring
// to the front after them. An id of no sheet of the page changes nothing.

#include "lance/lance.h"
#include "layout/lance_scene.h"
#include "web/browser_platform.h"
#include "web/web_sheet.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class PageSheets {
public:
    using Files = std::vector<std::pair<std::string, std::string>>; // names and bytes

    PageSheets();
    PageSheets(const PageSheets&) = delete;
    PageSheets& operator=(const PageSheets&) = delete;

    // A new sheet at that zoom, after the others; its id.
    int newSheet(int zoom);
    // A kept sheet taken back at that place among the tabs (after the others where there is no
    // such place); its id, or 0 when the state does not restore.
    int restore(const std::string& state, int at);
    // The ids in the order of the tabs, as a JSON list.
    std::string order() const;

    // The user's actions on a sheet's controls, as WebSheet's, and what they answer.
    std::string view(int sheet);
    std::string click(int sheet, const std::string& control);
    std::string type(int sheet, const std::string& control, const std::string& text);
    std::string pick(int sheet, const std::string& control, int index);
    std::string move(int sheet, const std::string& control, int position);

    // "Open Mech..." on a sheet with the files its user chose: the sheet takes the first while
    // it is untouched, a file that another sheet holds brings that sheet to the front, and
    // every other file opens on a new sheet.
    std::string openFiles(int sheet, Files files);
    // The name saving asks for first, as its suggestion, or empty when "Save Mech" saves to the
    // sheet's own file without asking.
    std::string nameToAsk(int sheet, bool saveAs) const;
    // "Save Mech" to the sheet's own file; and to the name its user chose.
    std::string save(int sheet);
    std::string saveTo(int sheet, const std::string& name);

    // Takes the sheet off the page; what restore() takes to bring it back.
    std::string close(int sheet);

    std::string rangeChartJson(int sheet);
    bool hasUnsavedChanges(int sheet) const;
    std::string closeQuestion(int sheet) const;
    bool isUntouched(int sheet) const;
    // The whole sheet, to keep across a reload.
    std::string state(int sheet) const;

    // Every sheet, in the order of the tabs, as one backup file's bytes.
    std::string backUp() const;
    // The sheets of a backup file added after the others: {"opened": [id, ...]}, or
    // {"fault": ...} with none when the file is no good. A sheet that names a file another
    // sheet holds comes without it.
    std::string restoreBackup(const std::string& name, const std::string& bytes);

    // The lance of the page's sheets, in the order they opened. Its view: {"title", "headings",
    // "count", "turn", "buttons": [[codeName, caption, enabled], ...], "lines": [[index, {"id",
    // "cells", "results", "spoken"}], ...]} with the lines that changed since the page last
    // asked, or every line when `whole`.
    std::string lanceJson(bool whole);
    // Next Turn and its undo: {"sheets": [[id, update], ...], "requests": {...}}, every sheet's
    // update; after an undo its whole view, as the sheets were put back without a word.
    std::string nextTurn();
    std::string undoNextTurn();
    // Copy Lance Declaration: the requests of the lance's platform, its clipboard among them.
    std::string lanceDeclaration();
    // "Open Lance..." on a sheet with the file its user chose, answered as openFiles() is.
    std::string openLance(int sheet, const std::string& name, const std::string& bytes);
    // "Save Lance As..." to the name its user chose: the lance's requests, the file among its
    // downloads, or a message why not.
    std::string saveLance(const std::string& name);
    static std::string lanceFileName() { return suggestedLanceFileName(); }
    int turn() const { return lance_.turn(); }
    void setTurn(int turn) { lance_.setTurn(turn); }

private:
    struct Entry {
        int id = 0;
        std::unique_ptr<WebSheet> sheet;
    };

    int add(std::unique_ptr<WebSheet> sheet, std::size_t at);
    std::vector<Entry>::const_iterator entryOf(int sheet) const;
    WebSheet* find(int sheet) const;
    // The id of the sheet other than `asking` that holds the file as its own, or 0.
    int holderOf(const WebSheet& asking, const std::string& file) const;
    template <typename Action> std::string act(int sheet, Action action);

    int idOf(const CombatSheet& sheet) const;
    std::string lanceRequests();
    std::string afterTurn(std::string (WebSheet::*updateOf)());

    std::vector<Entry> sheets_;
    BrowserPlatform lancePlatform_;
    platform::PlatformServices lanceServices_;
    Lance lance_;
    LanceScene lanceScene_;
    std::vector<int> openedByLance_; // the sheets a lance file opened during the present action
    int lastId_ = 0;
    std::map<std::string, std::string> chosen_; // the files of the present "Open Mech..."
};
