#pragma once

#include "platform/platform_services.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// Fakes of the platform that record what the model asks of them.

class FakeMessageBox : public platform::MessageBox {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class FakeWindowOpener : public platform::WindowOpener {
public:
    void openSheet() override { ++sheetsOpened; }
    void openAboutBox() override { ++aboutBoxesOpened; }
    void openRangeChart() override { ++rangeChartsOpened; }
    int sheetsOpened = 0;
    int aboutBoxesOpened = 0;
    int rangeChartsOpened = 0;
};

class FakeClipboard : public platform::Clipboard {
public:
    bool setText(const std::string& newText) override {
        ++calls;
        if (failing) {
            return false;
        }
        text = newText;
        return true;
    }
    std::optional<std::string> text;
    int calls = 0;
    bool failing = false;
};

// A registry of keys below the local-machine root, each with named values.
class FakeRegistry : public platform::Registry {
public:
    struct Value {
        std::uint32_t type;
        std::vector<unsigned char> bytes;
    };

    // A string value, stored with its terminating NUL.
    void addString(const std::string& key, const std::string& name, const std::string& text);

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override;
    long queryValue(Key key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Key key) override;

    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> opened;            // key names, in the order opened
    std::vector<std::uint32_t> accessRequested; // access masks, in the same order
    std::set<Key> openHandles;
    std::vector<Key> closed;
    long closeOfUnopenedKeys = 0;
    bool throwOnQuery = false; // a registry error thrown out of queryValue

private:
    std::map<Key, std::string> handles_;
    Key next_ = 100;
};

class FakeLauncher : public platform::ProgramLauncher {
public:
    bool start(const std::string& path) override {
        started.push_back(path);
        return !failing;
    }
    std::vector<std::string> started;
    bool failing = false;
};

class FakeFileChecker : public platform::FileChecker {
public:
    bool exists(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) > 0;
    }
    std::set<std::string> files;
    std::vector<std::string> asked;
};

class FakeHelpViewer : public platform::HelpViewer {
public:
    bool showHelp(const std::string& helpFile, int command) override {
        requests.emplace_back(helpFile, command);
        if (throwing) {
            throw std::runtime_error("no help viewer");
        }
        return !failing;
    }
    std::vector<std::pair<std::string, int>> requests;
    bool failing = false;
    bool throwing = false;
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
    platform::PlatformServices services{messageBox, windows, clipboard, registry,
                                        launcher,   files,   help};
};
