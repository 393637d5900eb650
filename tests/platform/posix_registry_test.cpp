// The POSIX stand-in for the registry: its one key names the system-information tool found
// on the search path, and it opens nothing for writing.

#include "about/get_key_value.h"
#include "platform/posix_registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using platform::PosixRegistry;
using platform::Registry;

class PosixRegistryTest : public testing::Test {
protected:
    PosixRegistryTest() { EXPECT_NE(::mkdtemp(root.data()), nullptr); }
    ~PosixRegistryTest() override {
        ::setenv("PATH", oldPath.c_str(), 1);
        fs::current_path(oldFolder);
        fs::remove_all(root);
    }
    // A shell script named as a tool in a folder below the temporary one.
    std::string tool(const std::string& folder, const char* name, bool executable = true) {
        fs::create_directories(root + folder);
        std::ofstream(root + folder + "/" + name) << "#!/bin/sh\n";
        fs::permissions(root + folder + "/" + name,
                        executable ? fs::perms::owner_all : fs::perms::owner_read);
        return root + folder + "/" + name;
    }
    // The tool's path as the About box's lookup reads it, on this search path.
    std::string lookUp(const std::string& path) {
        ::setenv("PATH", path.c_str(), 1);
        std::string r;
        return GetKeyValue(registry, Registry::LocalMachine, std::string(Registry::SystemInfoKey),
                           "PATH", r)
                   ? r
                   : "<absent>";
    }

    std::string root = (fs::temp_directory_path() / "vexolan-XXXXXX").string();
    std::string oldPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    fs::path oldFolder = fs::current_path();
    PosixRegistry registry;
};

// The most preferred tool wherever it lies on the path; none without an executable tool in an
// absolute folder (an empty or relative entry would be the current folder).
TEST_F(PosixRegistryTest, KeyHoldsTheToolFoundOnThePath) {
    tool("/a", "kinfocenter");
    const std::string preferred = tool("/b", "hardinfo");
    EXPECT_EQ(lookUp(root + "/a:" + root + "/b"), preferred);
    tool("", "hardinfo"), tool("/plain", "hardinfo", false);
    fs::current_path(root);
    for (const std::string& path : {std::string(), root + "/plain", std::string(".::./")}) {
        EXPECT_EQ(lookUp(path), "<absent>") << path;
    }
}

// Like a user without administrator rights: any right beyond reading is refused, and only the
// key that was opened can be read and closed.
TEST_F(PosixRegistryTest, OnlyReadingIsAllowed) {
    tool("", "hardinfo");
    ::setenv("PATH", root.c_str(), 1);
    for (std::uint32_t access : {0x2003Fu, 0x2u, 0x4u, 0x20u, 0x40000000u, 0x1u, 0x20019u}) {
        const bool readOnly = access == Registry::QueryValueAccess || access == 0x20019u;
        Registry::Key key = 99;
        EXPECT_EQ(registry.openKey(Registry::LocalMachine, std::string(Registry::SystemInfoKey),
                                   access, key),
                  readOnly ? Registry::Success : PosixRegistry::AccessDenied)
            << std::hex << access;
        std::uint32_t type = 0, size = 4;
        unsigned char small[4];
        EXPECT_EQ(registry.queryValue(key, "PATH", type, small, size),
                  readOnly ? PosixRegistry::MoreData : PosixRegistry::InvalidHandle);
        EXPECT_EQ(registry.closeKey(key),
                  readOnly ? Registry::Success : PosixRegistry::InvalidHandle);
    }
}

} // namespace
