// The POSIX adapters exist only where they are built.
#if !defined(_WIN32)

#include "about/get_key_value.h"
#include "about/start_sys_info.h"
#include "fakes/fake_platform.h"
#include "platform/posix_registry.h"
#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::PosixRegistry;
using platform::Registry;

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string Script = "#!/bin/sh\nexit 0\n";

class PosixRegistryTest : public testing::Test {
protected:
    TempFolder bin;
    TempFolder otherBin;
    PosixRegistry registry;

    std::string lookUp(const std::string& key = ToolKey, const std::string& value = "PATH") {
        std::string result = "stale";
        if (!GetKeyValue(registry, Registry::LocalMachine, key, value, result)) {
            return "<absent>";
        }
        return result;
    }
};

TEST_F(PosixRegistryTest, InstalledToolIsTheKeysPathValue) {
    const auto tool = bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    EXPECT_EQ(lookUp(), tool);
}

TEST_F(PosixRegistryTest, PathValueIsANulTerminatedString) {
    const auto tool = bin.write("kinfocenter", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    Registry::Key key = 0;
    ASSERT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, Registry::QueryValueAccess, key),
              Registry::Success);
    std::vector<unsigned char> buffer(1024, 0xEE);
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    ASSERT_EQ(registry.queryValue(key, "PATH", type, buffer.data(), size), Registry::Success);
    EXPECT_EQ(type, Registry::StringType);
    ASSERT_EQ(size, tool.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + tool.size()), tool);
    EXPECT_EQ(buffer[tool.size()], 0);
    EXPECT_EQ(registry.closeKey(key), Registry::Success);
}

TEST_F(PosixRegistryTest, ToolsAreTriedInTheirOrderWhereverTheyLie) {
    otherBin.write("kinfocenter", Script, true);
    const auto preferred = bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", otherBin.path().string() + ":" + bin.path().string());
    EXPECT_EQ(lookUp(), preferred);
}

TEST_F(PosixRegistryTest, FirstFolderOfThePathWinsForTheSameTool) {
    const auto first = otherBin.write("hardinfo2", Script, true);
    bin.write("hardinfo2", Script, true);
    ScopedEnv path("PATH", otherBin.path().string() + ":" + bin.path().string());
    EXPECT_EQ(lookUp(), first);
}

struct AbsentCase {
    const char* name;
    std::optional<std::string> path; // "<bin>" stands for the test's folder
    bool writeExecutable;
    bool writePlain;
};

class PosixRegistryAbsent : public PosixRegistryTest,
                            public testing::WithParamInterface<AbsentCase> {};

TEST_P(PosixRegistryAbsent, KeyIsAbsent) {
    if (GetParam().writeExecutable) {
        bin.write("hardinfo", Script, true);
    }
    if (GetParam().writePlain) {
        bin.write("kinfocenter", Script, false);
    }
    std::optional<std::string> path = GetParam().path;
    if (path && *path == "<bin>") {
        path = bin.path().string();
    }
    ScopedEnv env("PATH", path);
    Registry::Key key = 99;
    EXPECT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, Registry::QueryValueAccess, key),
              PosixRegistry::FileNotFound);
    EXPECT_EQ(key, 0u);
}

INSTANTIATE_TEST_SUITE_P(NoTool, PosixRegistryAbsent,
                         testing::Values(AbsentCase{"EmptyPath", std::string(), true, false},
                                         AbsentCase{"UnsetPath", std::nullopt, true, false},
                                         AbsentCase{"FolderWithoutTools", "<bin>", false, false},
                                         AbsentCase{"ToolThatIsNotExecutable", "<bin>", false,
                                                    true}),
                         [](const auto& info) { return std::string(info.param.name); });

// A relative or empty entry would mean wherever the program happens to run: never searched.
TEST_F(PosixRegistryTest, RelativePathEntriesAreNotSearched) {
    bin.write("hardinfo", Script, true);
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(bin.path());
    ScopedEnv path("PATH", ".::./");
    EXPECT_EQ(lookUp(), "<absent>");
    std::filesystem::current_path(cwd);
}

TEST_F(PosixRegistryTest, NothingElseExists) {
    bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    EXPECT_EQ(lookUp(FolderKey, "MSINFO"), "<absent>");
    EXPECT_EQ(lookUp(ToolKey, "Other"), "<absent>");
    EXPECT_EQ(lookUp("SOFTWARE\\Microsoft", "PATH"), "<absent>");
    std::string result;
    EXPECT_FALSE(GetKeyValue(registry, 0x80000001u, ToolKey, "PATH", result)); // current user
    // Names compare as the registry's do, without regard to case.
    EXPECT_NE(lookUp("software\\microsoft\\shared tools\\msinfo", "path"), "<absent>");
}

TEST_F(PosixRegistryTest, WriteRightsAreRefused) {
    bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    for (std::uint32_t access : {0x2003Fu, 0x0002u, 0x0004u, 0x0020u, 0xF003Fu, 0x40000000u}) {
        Registry::Key key = 99;
        EXPECT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, access, key),
                  PosixRegistry::AccessDenied)
            << std::hex << access;
        EXPECT_EQ(key, 0u);
    }
    for (std::uint32_t access : {Registry::QueryValueAccess, 0x20019u}) {
        Registry::Key key = 0;
        EXPECT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, access, key), Registry::Success)
            << std::hex << access;
        EXPECT_EQ(registry.closeKey(key), Registry::Success);
    }
}

TEST_F(PosixRegistryTest, HandlesLiveFromOpenToClose) {
    const auto tool = bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    Registry::Key key = 0;
    ASSERT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, Registry::QueryValueAccess, key),
              Registry::Success);
    unsigned char small[4] = {};
    std::uint32_t size = sizeof small;
    std::uint32_t type = 0;
    EXPECT_EQ(registry.queryValue(key, "PATH", type, small, size), PosixRegistry::MoreData);
    EXPECT_EQ(size, tool.size() + 1);
    EXPECT_EQ(registry.closeKey(key), Registry::Success);
    EXPECT_EQ(registry.closeKey(key), PosixRegistry::InvalidHandle);
    size = sizeof small;
    EXPECT_EQ(registry.queryValue(key, "PATH", type, small, size), PosixRegistry::InvalidHandle);
    EXPECT_EQ(registry.closeKey(0), PosixRegistry::InvalidHandle);
}

// The whole way: the stand-in registry finds the tool, the launcher is asked to start it.
TEST_F(PosixRegistryTest, SystemInfoStartsTheInstalledTool) {
    const auto tool = bin.write("hardinfo", Script, true);
    ScopedEnv path("PATH", bin.path().string());
    FakePlatform fake;
    platform::PlatformServices services{fake.messageBox, fake.windows, fake.clipboard, registry,
                                        fake.launcher,   fake.files,   fake.help};
    StartSysInfo(services);
    EXPECT_EQ(fake.launcher.started, std::vector<std::string>{tool});
    EXPECT_TRUE(fake.messageBox.shown.empty());
}

} // namespace

#endif
