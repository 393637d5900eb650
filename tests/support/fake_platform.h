#pragma once

// Fakes of the platform that record what the model asks of them.

#include "platform/platform_services.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Shows nothing; asked whether to save or to overwrite, it gives the answers it is given,
// Cancel once they run out.
struct FakeMessageBox : platform::MessageBox {
    void show(const std::string& text) override { shown.push_back(text); }
    Answer askToSave(const std::string& question) override { return ask(question); }
    Answer askToOverwrite(const std::string& question) override { return ask(question); }
    Answer ask(const std::string& question) {
        asked.push_back(question);
        const Answer answer = answers.empty() ? Answer::Cancel : answers.front();
        answers.erase(answers.begin(), answers.begin() + !answers.empty());
        return answer;
    }
    std::vector<std::string> shown, asked;
    std::vector<Answer> answers;
};

struct FakeWindowOpener : platform::WindowOpener {
    void openSheet() override { ++sheetsOpened; }
    bool openSheetFor(const std::string& path) override {
        sheetsOpenedFor.push_back(path);
        return true;
    }
    // The sheets opened for files hold them.
    bool showSheetFor(const std::string& path) override { return otherSheetHolds(path); }
    bool otherSheetHolds(const std::string& path) override {
        return std::count(sheetsOpenedFor.begin(), sheetsOpenedFor.end(), path) > 0;
    }
    void closeSheet() override { ++sheetsClosed; }
    void closeAllSheets() override { ++allSheetsClosed; }
    void openAboutBox() override { ++aboutBoxesOpened; }
    void openRangeChart() override {}
    int sheetsOpened = 0, sheetsClosed = 0, allSheetsClosed = 0, aboutBoxesOpened = 0;
    std::vector<std::string> sheetsOpenedFor;
};

struct FakeClipboard : platform::Clipboard {
    bool setText(const std::string& newText) override {
        ++calls;
        text = failing || throwing ? text : newText;
        return throwing ? throw std::runtime_error("held elsewhere") : !failing;
    }
    std::optional<std::string> text;
    int calls = 0;
    bool failing = false, throwing = false;
};

// A registry of keys below the local-machine root, each with named values (a type and its
// bytes). A key's handle is the number of its open in `opened`, counted from 1.
struct FakeRegistry : platform::Registry {
    using Value = std::pair<std::uint32_t, std::vector<unsigned char>>;

    // A string value, stored with its terminating NUL.
    void addString(const std::string& key, const std::string& name, const std::string& text) {
        keys[key][name] = {StringType, {text.begin(), text.end() + 1}};
    }
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override {
        opened.push_back(subKey);
        accessRequested.push_back(access);
        key = root == LocalMachine && keys.count(subKey) ? opened.size() : 0;
        return key != 0 && openHandles.insert(key).second ? Success : 2; // 2: not found
    }
    long queryValue(Key key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        if (openHandles.count(key) == 0) {
            return 6; // invalid handle
        }
        if (throwOnQuery) {
            throw std::runtime_error("registry failure");
        }
        const auto& values = keys[opened[key - 1]];
        const auto value = values.find(valueName);
        if (value == values.end()) {
            return 2;
        }
        type = value->second.first;
        const auto& bytes = value->second.second;
        if (overstates) { // fills the buffer and claims one byte more
            std::memset(data, 'y', size++);
            return Success;
        }
        const bool fits = bytes.size() <= size;
        std::memcpy(data, bytes.data(), fits ? bytes.size() : 0);
        size = static_cast<std::uint32_t>(bytes.size());
        return fits ? Success : 234; // 234: more data
    }
    long closeKey(Key key) override {
        closeOfUnopenedKeys += openHandles.erase(key) == 0;
        return Success;
    }

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;            // key names, in the order opened
    std::vector<std::uint32_t> accessRequested; // access masks, in the same order
    std::set<Key> openHandles;
    int closeOfUnopenedKeys = 0;
    bool throwOnQuery = false; // a registry error thrown out of queryValue
    bool overstates = false;   // a value said to be longer than the buffer it filled
};

struct FakeLauncher : platform::ProgramLauncher {
    bool start(const std::string& path) override {
        started.push_back(path);
        return !failing;
    }
    std::vector<std::string> started;
    bool failing = false;
};

struct FakeFileChecker : platform::FileChecker {
    bool exists(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) > 0;
    }
    std::set<std::string> files;
    std::vector<std::string> asked;
};

struct FakeHelpViewer : platform::HelpViewer {
    bool showHelp(const std::string& helpFile, int command) override {
        requests.emplace_back(helpFile, command);
        return throwing ? throw std::runtime_error("no help viewer") : true;
    }
    void setScale(int percent) override { scale = percent; }
    std::vector<std::pair<std::string, int>> requests;
    int scale = 100;
    bool throwing = false;
};

// Files by path, in memory; a write is refused with the given reason when there is one.
struct FakeFileStore : platform::FileStore {
    Reading read(const std::string& path, std::size_t limit) override {
        const auto file = files.find(path);
        return file == files.end()           ? Reading{Status::Missing, {}, {}}
               : file->second.size() > limit ? Reading{Status::TooLarge, {}, {}}
                                             : Reading{Status::Read, file->second, {}};
    }
    std::string write(const std::string& path, const std::string& bytes) override {
        if (writeRefusal.empty()) {
            files[path] = bytes;
        }
        return writeRefusal;
    }
    std::map<std::string, std::string> files;
    std::string writeRefusal;
};

// A user who chooses the same files every time; choosing none cancels.
struct FakeFileDialog : platform::FileDialog {
    std::vector<std::string> chooseFilesToOpen() override { return toOpen; }
    std::string chooseFileToSave(const std::string& start) override {
        suggested.push_back(start);
        return toSave;
    }
    std::string choosePictureToSave(const std::string& start) override {
        suggested.push_back(start);
        return toSave;
    }
    std::vector<std::string> toOpen, suggested;
    std::string toSave;
};

// One of each, bundled as the services a sheet takes.
struct FakePlatform {
    FakeMessageBox messageBox;
    FakeWindowOpener windows;
    FakeClipboard clipboard;
    FakeRegistry registry;
    FakeLauncher launcher;
    FakeFileChecker files;
    FakeHelpViewer help;
    FakeFileStore fileStore;
    FakeFileDialog fileDialog;
    platform::PlatformServices services{messageBox, windows, clipboard, registry,  launcher,
                                        files,      help,    fileStore, fileDialog};
};
