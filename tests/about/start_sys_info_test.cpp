#include "about/start_sys_info.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;
const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const Texts Unavailable{"System Information Is Unavailable At This Time"};

struct SysInfoCase {
    const char* name;
    const char* path;   // "PATH" of the tool's key; null: no such key, "": the key without it
    const char* folder; // "MSINFO" of the shared location key; only C:\M holds the tool file
    bool startFails;
    const char* started; // what the launcher is asked to start, null for nothing
};

const SysInfoCase Cases[] = {
    {"FirstKeyWinsWithoutAnExistenceTest", "C:\\T\\tool.exe", "C:\\M", false, "C:\\T\\tool.exe"},
    {"SecondKeyFolderWithTheTool", nullptr, "C:\\M", false, "C:\\M\\MSINFO32.EXE"},
    {"FirstKeyWithoutItsValue", "", "C:\\M", false, "C:\\M\\MSINFO32.EXE"},
    {"SecondKeyFolderWithoutTheTool", nullptr, "C:\\N", false, nullptr},
    {"BothKeysAbsent", nullptr, nullptr, false, nullptr},
    {"PathNamingAMissingFile", "C:\\Gone\\tool.exe", nullptr, true, "C:\\Gone\\tool.exe"},
    {"FolderToolThatFailsToStart", nullptr, "C:\\M", true, "C:\\M\\MSINFO32.EXE"},
};

// The lookup order, the existence test for a folder only, the message whenever nothing runs.
TEST(StartSysInfo, StartsTheToolOrTellsTheUser) {
    for (const SysInfoCase& c : Cases) {
        SCOPED_TRACE(c.name);
        FakePlatform fake;
        if (c.path != nullptr) {
            fake.registry.addString(ToolKey, *c.path != '\0' ? "PATH" : "Other", c.path);
        }
        if (c.folder != nullptr) {
            fake.registry.addString(FolderKey, "MSINFO", c.folder);
        }
        fake.files.files.insert("C:\\M\\MSINFO32.EXE");
        fake.launcher.failing = c.startFails;
        StartSysInfo(fake.services);

        const bool fromPath = c.path != nullptr && *c.path != '\0';
        EXPECT_EQ(fake.registry.opened, (fromPath ? Texts{ToolKey} : Texts{ToolKey, FolderKey}));
        EXPECT_EQ(fake.files.asked, !fromPath && c.folder != nullptr
                                        ? Texts{std::string(c.folder) + "\\MSINFO32.EXE"}
                                        : Texts{});
        EXPECT_EQ(fake.launcher.started, c.started != nullptr ? Texts{c.started} : Texts{});
        EXPECT_EQ(fake.messageBox.shown, c.started && !c.startFails ? Texts{} : Unavailable);
    }
}

// An error thrown by the registry ends in the same message, not in the caller, and the key
// it came from is closed all the same.
TEST(StartSysInfo, ThrowingRegistryShowsTheMessage) {
    FakePlatform fake;
    fake.registry.addString(ToolKey, "PATH", "C:\\x.exe");
    fake.registry.throwOnQuery = true;
    EXPECT_NO_THROW(StartSysInfo(fake.services));
    EXPECT_EQ(fake.messageBox.shown, Unavailable);
    EXPECT_TRUE(fake.launcher.started.empty());
    EXPECT_TRUE(fake.registry.openHandles.empty());
    EXPECT_EQ(fake.registry.closed.size(), 1u);
}

} // namespace
