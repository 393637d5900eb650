#pragma once

#include "platform/clipboard.h"
#include "platform/file_checker.h"
#include "platform/file_dialog.h"
#include "platform/file_store.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/platform_services.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "platform/window_opener.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

// What a sheet in a browser page asks of its platform. A page cannot answer a sheet while a
// handler runs: its dialogs, clipboard and files answer later. So every request is kept here
// for the page to carry out once the user's action is done, and whatever a request needs from
// the user (the files to open, the name to save to) the page gives beforehand. What a sheet asks
// of the page's other sheets is kept apart, for the page's sheets to carry out themselves. The
// browser has no registry and starts no programs.
class BrowserPlatform : public platform::MessageBox,
                        public platform::WindowOpener,
                        public platform::Clipboard,
                        public platform::Registry,
                        public platform::ProgramLauncher,
                        public platform::FileChecker,
                        public platform::HelpViewer,
                        public platform::FileStore,
                        public platform::FileDialog {
public:
    // What the sheet asked of the page during one user action, in the order asked.
    struct Requests {
        std::vector<std::string> messages;
        bool closeSheet = false;
        bool closeAllSheets = false;
        bool aboutBox = false;
        bool rangeChart = false;
        bool help = false;
        std::vector<std::string> clipboard;           // each text put on the clipboard
        std::map<std::string, std::string> downloads; // files written: name and bytes
        bool empty() const;
    };
    // What the sheet asked of the page's sheets during one user action.
    struct SheetRequests {
        bool newSheet = false;
        std::vector<std::string> sheetsForFiles; // a new sheet for each of these files
        std::vector<std::string> sheetsToShow;   // the sheets holding these files, to the front
    };

    platform::PlatformServices services();

    // The files the user chose to open, names and bytes in the order chosen, for the next
    // "Open Mech...".
    void answerOpen(std::vector<std::pair<std::string, std::string>> files);
    // The name the user chose to save to, for the next "Save Mech As..."; without one, saving
    // is cancelled.
    void answerSave(std::string name);
    // Whether another sheet of the page holds a file as its own: asked of the page's sheets.
    void setOtherSheetHolds(std::function<bool(const std::string&)> holds) {
        otherSheetHolds_ = std::move(holds);
    }

    // What was asked since the last call, which forgets it.
    Requests takeRequests();
    SheetRequests takeSheetRequests();

    void show(const std::string& text) override;
    // A page asks before it closes a sheet, with its own dialog; nothing is lost meanwhile.
    Answer askToSave(const std::string& question) override;
    // What a page saves is a download, which nobody else changes behind the sheet's back.
    Answer askToOverwrite(const std::string& question) override;

    void openSheet() override;
    bool openSheetFor(const std::string& path) override;
    bool showSheetFor(const std::string& path) override;
    bool otherSheetHolds(const std::string& path) override;
    // The page closes its sheets, asking as it does before it closes one.
    void closeSheet() override;
    void closeAllSheets() override;
    void openAboutBox() override;
    void openRangeChart() override;

    bool setText(const std::string& text) override;

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override;
    long queryValue(Key key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Key key) override;

    bool start(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool showHelp(const std::string& helpFile, int command) override;

    Reading read(const std::string& path, std::size_t limit) override;
    std::string write(const std::string& path, const std::string& bytes) override;

    std::vector<std::string> chooseFilesToOpen() override;
    std::string chooseFileToSave(const std::string& suggested) override;
    std::string choosePictureToSave(const std::string& suggested) override;

private:
    Requests requests_;
    SheetRequests sheetRequests_;
    std::map<std::string, std::string> chosenFiles_; // the last files chosen, by name
    std::vector<std::string> chosenOrder_;
    std::string saveName_;
    std::function<bool(const std::string&)> otherSheetHolds_;
};
