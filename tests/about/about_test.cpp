// The About box, the registry lookup, the system-information launcher and the help request.

#include "about/about_box.h"
#include "about/get_key_value.h"
#include "about/start_sys_info.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Eleven lines, each ended by CR LF; the web address (two lines) and the mail address are ours.
const std::regex
    Disclaimer("This application is offered free of charge and is \r\n"
               "offered without warranty\\.  The author takes no \r\n"
               "responsibility for any incidental harm to system or \r\n"
               "data\\.\r\n\r\nWeb Site and Info: \r\n\\S+\r\n\\S+\r\n\r\n"
               "Constructive comments or bug reports can be sent to \r\n\\S+@\\S+\r\n");

// A new opening keeps nothing of the last, and OK closes the box once. (Its captions are in
// its reference picture, and its buttons are tried through the window.)
TEST(AboutBox, OpensAfreshAndClosesOnce) {
    FakePlatform fake;
    AboutBox box(fake.services);
    int closes = 0;
    box.onClose([&closes] { ++closes; });
    box.lblTitle.userType("x"), box.lblVersion.userType("x"); // they are labels
    EXPECT_EQ(box.lblTitle.text(), "Vexolan");
    EXPECT_EQ(box.lblVersion.text(), "Version 1.1.11");
    box.disclaimerBox.userType("my notes"), box.cmdOK.userClick(), box.cmdOK.userClick();
    EXPECT_FALSE(box.isOpen());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(std::regex_match(AboutBox(fake.services).disclaimerBox.text(), Disclaimer));
}

using platform::Registry;

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

// The name; the value's type and bytes; whether it is found, and the text read; the name it is
// stored under (null: the key itself is missing); whether the registry claims more bytes than
// the buffer holds.
using ValueCase = std::tuple<const char*, std::uint32_t, std::vector<unsigned char>, bool,
                             std::string, const char*, bool>;
const std::string Ys(1024, 'y');
// clang-format off
const ValueCase Cases[] = {
    {"StringCutAtItsFirstNul", 1, bytesOf(std::string("C:\\a\0cd\0", 8)), true, "C:\\a", "PATH",
     false},
    {"UnterminatedString", 1, bytesOf("C:\\x.exe"), true, "C:\\x.exe", "PATH", false},
    {"StringThatFillsTheBuffer", 1, bytesOf(Ys), true, Ys, "PATH", false},
    {"LongerThanTheBuffer", 1, bytesOf(std::string(1025, 'z')), false, "", "PATH", false},
    // 0x0105 as bytes 05 01 00 00: read as characters up to the first NUL it would not be 261.
    {"NumberAsDecimal", 4, {0x05, 0x01, 0x00, 0x00}, true, "261", "PATH", false},
    {"NumberWithLowZeroBytes", 4, {0x00, 0x00, 0x00, 0x01}, true, "16777216", "PATH", false},
    {"OtherTypeLeavesTheResult", 3, {1, 2, 3}, true, "stale", "PATH", false},
    {"MissingValue", 1, bytesOf("x"), false, "", "Other", false},
    {"MissingKey", 1, {}, false, "", nullptr, false},
    // Never a byte beyond the buffer, whatever length the registry claims.
    {"ClaimsMoreThanTheBuffer", 1, bytesOf("x"), true, Ys, "PATH", true}};
// clang-format on

// Each value read with no more than the right to query values; every key opened is closed,
// once, and no key that was never opened.
TEST(getKeyValue, ReadsEachKindOfValueReadOnlyAndClosesTheKey) {
    for (const auto& [name, type, bytes, found, expected, storedAs, overstates] : Cases) {
        SCOPED_TRACE(name);
        FakeRegistry registry;
        registry.overstates = overstates;
        if (storedAs != nullptr) {
            registry.keys["K"][storedAs] = FakeRegistry::Value{type, bytes};
        }
        std::string result = "stale";
        EXPECT_EQ(getKeyValue(registry, Registry::LocalMachine, "K", "PATH", result), found);
        EXPECT_EQ(result, expected);
        EXPECT_EQ(registry.accessRequested, std::vector<std::uint32_t>{Registry::QueryValueAccess});
        EXPECT_TRUE(registry.openHandles.empty());
        EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
    }
}

using Requests = std::vector<std::pair<std::string, int>>;

// Every click hands the fixed file with command 9 (force this file) to the viewer; one that
// fails, even by throwing, ends the request silently and the sheet carries on.
TEST(HelpRequest, EveryClickHandsTheFixedFileToTheViewer) {
    for (const bool throwing : {false, true}) {
        FreshSheet f;
        f.fake.help.throwing = throwing;
        EXPECT_NO_THROW(act(f.sheet, "mnuHelp mnuHelp pilotName=Ilsa"));
        EXPECT_EQ(f.fake.help.requests, Requests(2, {"c:\\Program Files\\Vexo\\Vexo.hlp", 9}));
        EXPECT_TRUE(f.fake.messageBox.shown.empty());
        EXPECT_EQ(f.sheet.title(), "Ilsa:");
    }
}

using Texts = std::vector<std::string>;
const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const Texts Unavailable{"System Information Is Unavailable At This Time"};

// The name; whether the registry throws out of its query; "PATH" of the tool's key (null: no
// such key, "": the key without it); "MSINFO" of the shared location key (only C:\M holds the
// tool file); whether the start fails; what the launcher is asked to start (null: nothing).
const std::tuple<const char*, bool, const char*, const char*, bool, const char*> SysInfoCases[] = {
    {"FirstKeyWinsWithoutAnExistenceTest", false, "C:\\T\\t.exe", "C:\\M", false, "C:\\T\\t.exe"},
    {"SecondKeyFolderWithTheTool", false, nullptr, "C:\\M", false, "C:\\M\\MSINFO32.EXE"},
    {"FirstKeyWithoutItsValue", false, "", "C:\\M", false, "C:\\M\\MSINFO32.EXE"},
    {"SecondKeyFolderWithoutTheTool", false, nullptr, "C:\\N", false, nullptr},
    {"BothKeysAbsent", false, nullptr, nullptr, false, nullptr},
    {"PathNamingAMissingFile", false, "C:\\Gone\\t.exe", nullptr, true, "C:\\Gone\\t.exe"},
    {"FolderToolThatFailsToStart", false, nullptr, "C:\\M", true, "C:\\M\\MSINFO32.EXE"},
    // A registry error ends in the same message, not in the caller; the key is closed.
    {"ThrowingRegistry", true, "C:\\T\\t.exe", nullptr, false, nullptr},
};

// The lookup order, the existence test for a folder only, the message whenever nothing runs,
// and every key opened closed again.
TEST(startSysInfo, StartsTheToolOrTellsTheUser) {
    for (const auto& [name, throws, path, folder, startFails, started] : SysInfoCases) {
        SCOPED_TRACE(name);
        FakePlatform fake;
        if (path != nullptr) {
            fake.registry.addString(ToolKey, *path != '\0' ? "PATH" : "Other", path);
        }
        if (folder != nullptr) {
            fake.registry.addString(FolderKey, "MSINFO", folder);
        }
        fake.files.files.insert("C:\\M\\MSINFO32.EXE");
        fake.launcher.failing = startFails;
        fake.registry.throwOnQuery = throws;
        EXPECT_NO_THROW(startSysInfo(fake.services));
        const bool fromPath = path != nullptr && *path != '\0';
        EXPECT_EQ(fake.registry.opened, (fromPath ? Texts{ToolKey} : Texts{ToolKey, FolderKey}));
        EXPECT_EQ(fake.files.asked, !fromPath && folder != nullptr
                                        ? Texts{std::string(folder) + "\\MSINFO32.EXE"}
                                        : Texts{});
        EXPECT_EQ(fake.launcher.started, started != nullptr ? Texts{started} : Texts{});
        EXPECT_EQ(fake.messageBox.shown, started && !startFails ? Texts{} : Unavailable);
        EXPECT_TRUE(fake.registry.openHandles.empty());
        EXPECT_EQ(fake.registry.closeOfUnopenedKeys, 0);
    }
}

} // namespace
