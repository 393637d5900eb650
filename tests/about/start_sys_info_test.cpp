#include "about/start_sys_info.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Unavailable = "System Information Is Unavailable At This Time";

struct SysInfoCase {
    const char* name;
    std::function<void(FakePlatform&)> arrange;
    std::vector<std::string> started;    // what the launcher was asked to start
    std::vector<std::string> keysOpened; // in order
    std::vector<std::string> filesAsked; // existence tests
    bool message;
};

class StartSysInfoCases : public testing::TestWithParam<SysInfoCase> {
protected:
    FakePlatform fake;
};

TEST_P(StartSysInfoCases, StartsTheToolOrTellsTheUser) {
    const SysInfoCase& c = GetParam();
    c.arrange(fake);
    StartSysInfo(fake.services);

    EXPECT_EQ(fake.launcher.started, c.started);
    EXPECT_EQ(fake.registry.opened, c.keysOpened);
    EXPECT_EQ(fake.files.asked, c.filesAsked);
    if (c.message) {
        EXPECT_EQ(fake.messageBox.shown, std::vector<std::string>{Unavailable});
    } else {
        EXPECT_TRUE(fake.messageBox.shown.empty());
    }
    EXPECT_TRUE(fake.registry.openHandles.empty()) << "a key was left open";
    EXPECT_EQ(fake.registry.closeOfUnopenedKeys, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, StartSysInfoCases,
    testing::Values(SysInfoCase{"FirstKeyStartsItsPathWithoutAnExistenceTest",
                                [](FakePlatform& f) {
                                    f.registry.addString(ToolKey, "PATH",
                                                         "C:\\Tools\\msinfo32.exe");
                                    f.registry.addString(FolderKey, "MSINFO", "C:\\Other");
                                },
                                {"C:\\Tools\\msinfo32.exe"},
                                {ToolKey},
                                {},
                                false},
                    SysInfoCase{"SecondKeyFolderWithTheTool",
                                [](FakePlatform& f) {
                                    f.registry.addString(FolderKey, "MSINFO", "C:\\Shared\\MSInfo");
                                    f.files.files.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE");
                                },
                                {"C:\\Shared\\MSInfo\\MSINFO32.EXE"},
                                {ToolKey, FolderKey},
                                {"C:\\Shared\\MSInfo\\MSINFO32.EXE"},
                                false},
                    SysInfoCase{"FirstKeyWithoutItsValueFallsBackToTheFolder",
                                [](FakePlatform& f) {
                                    f.registry.addKey(ToolKey);
                                    f.registry.addString(FolderKey, "MSINFO", "D:\\MSInfo");
                                    f.files.files.insert("D:\\MSInfo\\MSINFO32.EXE");
                                },
                                {"D:\\MSInfo\\MSINFO32.EXE"},
                                {ToolKey, FolderKey},
                                {"D:\\MSInfo\\MSINFO32.EXE"},
                                false},
                    SysInfoCase{"SecondKeyFolderWithoutTheTool",
                                [](FakePlatform& f) {
                                    f.registry.addString(FolderKey, "MSINFO", "C:\\Shared\\MSInfo");
                                },
                                {},
                                {ToolKey, FolderKey},
                                {"C:\\Shared\\MSInfo\\MSINFO32.EXE"},
                                true},
                    SysInfoCase{
                        "BothKeysAbsent", [](FakePlatform&) {}, {}, {ToolKey, FolderKey}, {}, true},
                    SysInfoCase{"PathNamingAMissingFileFailsToStart",
                                [](FakePlatform& f) {
                                    f.registry.addString(ToolKey, "PATH", "C:\\Gone\\msinfo32.exe");
                                    f.launcher.failing = true;
                                },
                                {"C:\\Gone\\msinfo32.exe"},
                                {ToolKey},
                                {},
                                true},
                    SysInfoCase{"FolderToolThatFailsToStart",
                                [](FakePlatform& f) {
                                    f.registry.addString(FolderKey, "MSINFO", "C:\\M");
                                    f.files.files.insert("C:\\M\\MSINFO32.EXE");
                                    f.launcher.failing = true;
                                },
                                {"C:\\M\\MSINFO32.EXE"},
                                {ToolKey, FolderKey},
                                {"C:\\M\\MSINFO32.EXE"},
                                true},
                    SysInfoCase{"PathOfTheWrongTypeStartsNothingUseful",
                                [](FakePlatform& f) {
                                    f.registry.addNumber(ToolKey, "PATH", 7);
                                    f.launcher.failing = true; // "7" names no program
                                },
                                {"7"},
                                {ToolKey},
                                {},
                                true}),
    [](const auto& info) { return std::string(info.param.name); });

// Errors thrown anywhere on the way end in the message, with every key closed.
class ThrowingLauncher : public platform::ProgramLauncher {
public:
    bool start(const std::string&) override { throw std::runtime_error("cannot start"); }
};

class ThrowingFileChecker : public platform::FileChecker {
public:
    bool exists(const std::string&) override { throw std::runtime_error("cannot look"); }
};

class ThrowingQueryRegistry : public FakeRegistry {
public:
    long queryValue(Key, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        throw std::runtime_error("registry failure");
    }
};

class StartSysInfoErrors : public testing::Test {
protected:
    FakePlatform fake;

    // Runs the lookup with some of the fakes replaced; the message must show, nothing start.
    void expectMessage(platform::Registry& registry, platform::ProgramLauncher& launcher,
                       platform::FileChecker& files) {
        platform::PlatformServices services{fake.messageBox, fake.windows, fake.clipboard, registry,
                                            launcher,        files,        fake.help};
        EXPECT_NO_THROW(StartSysInfo(services));
        EXPECT_EQ(fake.messageBox.shown, std::vector<std::string>{Unavailable});
        EXPECT_TRUE(fake.launcher.started.empty());
    }

    static void expectKeysClosed(const FakeRegistry& registry) {
        EXPECT_FALSE(registry.closed.empty());
        EXPECT_TRUE(registry.openHandles.empty());
        EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
    }
};

TEST_F(StartSysInfoErrors, ThrowingLauncher) {
    ThrowingLauncher launcher;
    fake.registry.addString(ToolKey, "PATH", "C:\\x.exe");
    expectMessage(fake.registry, launcher, fake.files);
    expectKeysClosed(fake.registry);
}

TEST_F(StartSysInfoErrors, ThrowingExistenceTest) {
    ThrowingFileChecker files;
    fake.registry.addString(FolderKey, "MSINFO", "C:\\M");
    expectMessage(fake.registry, fake.launcher, files);
    expectKeysClosed(fake.registry);
}

TEST_F(StartSysInfoErrors, ThrowingRegistry) {
    ThrowingQueryRegistry registry;
    registry.addString(ToolKey, "PATH", "C:\\x.exe");
    expectMessage(registry, fake.launcher, fake.files);
    expectKeysClosed(registry);
}

} // namespace
