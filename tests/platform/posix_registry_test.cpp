// The POSIX adapters exist only where they are built.
#if !defined(_WIN32)

#include "about/get_key_value.h"
#include "platform/posix_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::PosixRegistry;
using platform::Registry;

const std::string ToolKey(Registry::SystemInfoKey);

// A fresh temporary folder for fake tools; PATH is put back afterwards.
class PosixRegistryTest : public testing::Test {
protected:
    PosixRegistryTest() { EXPECT_NE(::mkdtemp(root.data()), nullptr); }
    ~PosixRegistryTest() override {
        ::setenv("PATH", oldPath.c_str(), 1);
        fs::remove_all(root);
    }
    // A shell script named as a tool, in a folder below the temporary one.
    std::string tool(const std::string& folder, const std::string& name, bool executable = true) {
        const auto file = root + folder + "/" + name;
        fs::create_directories(root + folder);
        std::ofstream(file) << "#!/bin/sh\nexit 0\n";
        fs::permissions(file, executable ? fs::perms::owner_all : fs::perms::owner_read);
        return file;
    }
    std::string lookUp() {
        std::string r;
        return GetKeyValue(registry, Registry::LocalMachine, ToolKey, "PATH", r) ? r : "<absent>";
    }

    std::string root = (fs::temp_directory_path() / "vexolan-XXXXXX").string();
    std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    PosixRegistry registry;
};

// "PATH" holds the most preferred tool wherever it lies on PATH.
TEST_F(PosixRegistryTest, KeyHoldsTheToolFoundOnThePath) {
    tool("/a", "kinfocenter");
    const auto preferred = tool("/b", "hardinfo");
    ::setenv("PATH", (root + "/a:" + root + "/b").c_str(), 1);
    EXPECT_EQ(lookUp(), preferred);
}

// No tool, a tool that may not run, or one only where an empty or relative entry would look
// (the current folder): the key is absent.
TEST_F(PosixRegistryTest, KeyIsAbsentWithoutAnExecutableToolInAnAbsoluteFolder) {
    tool("", "hardinfo");
    tool("/plain", "hardinfo", false);
    const auto cwd = fs::current_path();
    fs::current_path(root);
    for (const std::string& path : {std::string(), root + "/plain", std::string(".::./")}) {
        ::setenv("PATH", path.c_str(), 1);
        EXPECT_EQ(lookUp(), "<absent>") << path;
    }
    ::unsetenv("PATH");
    EXPECT_EQ(lookUp(), "<absent>");
    fs::current_path(cwd);
}

// Like a user without administrator rights: any right beyond reading is refused.
TEST_F(PosixRegistryTest, WriteRightsAreRefused) {
    tool("", "hardinfo");
    ::setenv("PATH", root.c_str(), 1);
    for (std::uint32_t access : {0x2003Fu, 0x2u, 0x4u, 0x20u, 0x40000000u, 0x1u, 0x20019u}) {
        const bool readOnly = access == Registry::QueryValueAccess || access == 0x20019u;
        Registry::Key key = 99;
        EXPECT_EQ(registry.openKey(Registry::LocalMachine, ToolKey, access, key),
                  readOnly ? Registry::Success : PosixRegistry::AccessDenied)
            << std::hex << access;
        EXPECT_EQ(registry.closeKey(key),
                  readOnly ? Registry::Success : PosixRegistry::InvalidHandle);
    }
}

} // namespace

#endif
