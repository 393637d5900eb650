// The About box, the registry lookup, the system-information launcher and the help request.

#include "about/about_box.h"
#include "about/get_key_value.h"
#include "about/start_sys_info.h"
#include "app/version.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

namespace {

// Eleven lines, each ended by CR LF; the web address (two lines) and the mail address are ours.
const std::regex
    Disclaimer("This application is offered free of charge and is \r\n"
               "offered without warranty\\.  The author takes no \r\n"
               "responsibility for any incidental harm to system or \r\n"
               "data\\.\r\n\r\nWeb Site and Info: \r\n\\S+\r\n\\S+\r\n\r\n"
               "Constructive comments or bug reports can be sent to \r\n\\S+@\\S+\r\n");

TEST(AboutBox, OpensWithTitleVersionAndDisclaimer) {
    FakePlatform fake;
    AboutBox box(fake.services);
    EXPECT_EQ(box.lblTitle.text(), "Vexolan");
    EXPECT_EQ(box.lblVersion.text(), "Version " + std::to_string(VEXOLAN_VERSION_MAJOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_MINOR) + "." +
                                         std::to_string(VEXOLAN_VERSION_REVISION));
    EXPECT_EQ(box.Label1.text(), "Warning: ...May contain small parts");
    EXPECT_EQ(box.lblDisclaimer.text(), "Copyright (C) 2026 the Vexolan authors");
    EXPECT_TRUE(std::regex_match(box.Text1.text(), Disclaimer)) << box.Text1.text();
}

// System Info keeps the box open; OK closes it, once; a new opening keeps nothing of the last.
TEST(AboutBox, ButtonsAndReopening) {
    FakePlatform fake;
    AboutBox box(fake.services);
    box.Text1.userType("my notes");
    EXPECT_EQ(box.Text1.text(), "my notes");
    int closes = 0;
    box.onClose([&closes] { ++closes; });
    box.cmdSysInfo.userClick();
    EXPECT_EQ(fake.messageBox.shown,
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(box.isOpen());
    box.cmdOK.userClick();
    box.cmdOK.userClick();
    EXPECT_FALSE(box.isOpen());
    EXPECT_EQ(closes, 1);
    AboutBox again(fake.services);
    EXPECT_TRUE(std::regex_match(again.Text1.text(), Disclaimer));
    EXPECT_EQ(again.lblVersion.text(), box.lblVersion.text());
}

using platform::Registry;

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::vector<unsigned char> bytes;
    bool found;
    std::string expected;
    const char* storedAs = "PATH"; // null: the key itself is missing
};

const ValueCase Cases[] = {
    {"StringCutAtItsFirstNul", 1, bytesOf(std::string("C:\\a\0cd\0", 8)), true, "C:\\a"},
    {"UnterminatedString", 1, bytesOf("C:\\x.exe"), true, "C:\\x.exe"},
    {"StringThatFillsTheBuffer", 1, bytesOf(std::string(1024, 'y')), true, std::string(1024, 'y')},
    {"LongerThanTheBuffer", 1, bytesOf(std::string(1025, 'z')), false, ""},
    // 0x0105 as bytes 05 01 00 00: read as characters up to the first NUL it would not be 261.
    {"NumberAsDecimal", 4, {0x05, 0x01, 0x00, 0x00}, true, "261"},
    {"NumberWithLowZeroBytes", 4, {0x00, 0x00, 0x00, 0x01}, true, "16777216"},
    {"OtherTypeLeavesTheResult", 3, {1, 2, 3}, true, "stale"},
    {"MissingValue", 1, bytesOf("x"), false, "", "Other"},
    {"MissingKey", 1, {}, false, "", nullptr},
};

// Each value read with no more than the right to query values; every key opened is closed,
// once, and no key that was never opened.
TEST(GetKeyValue, ReadsEachKindOfValueReadOnlyAndClosesTheKey) {
    for (const ValueCase& c : Cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.storedAs != nullptr) {
            registry.keys["K"][c.storedAs] = FakeRegistry::Value{c.type, c.bytes};
        }
        std::string result = "stale";
        EXPECT_EQ(GetKeyValue(registry, Registry::LocalMachine, "K", "PATH", result), c.found);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(registry.accessRequested, std::vector<std::uint32_t>{Registry::QueryValueAccess});
        EXPECT_TRUE(registry.openHandles.empty());
        EXPECT_EQ(registry.closed.size(), c.storedAs != nullptr ? 1u : 0u);
        EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
    }
}

using Requests = std::vector<std::pair<std::string, int>>;

// Every click hands the fixed file with command 9 (force this file) to the viewer; one that
// fails, even by throwing, ends the request silently and the sheet carries on.
TEST(HelpRequest, EveryClickHandsTheFixedFileToTheViewer) {
    for (const bool throwing : {false, true}) {
        FreshSheet f;
        FakePlatform& fake = f.fake;
        CombatSheet& sheet = f.sheet;
        fake.help.throwing = throwing;
        EXPECT_NO_THROW(sheet.mnuHelp.userClick());
        EXPECT_NO_THROW(sheet.mnuHelp.userClick());
        EXPECT_EQ(fake.help.requests, Requests(2, {"c:\\Program Files\\Vexo\\Vexo.hlp", 9}));
        EXPECT_TRUE(fake.messageBox.shown.empty());
        sheet.pilotName.userType("Kell");
        EXPECT_EQ(sheet.title(), "Kell:");
    }
}

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

const SysInfoCase SysInfoCases[] = {
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
    for (const SysInfoCase& c : SysInfoCases) {
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
