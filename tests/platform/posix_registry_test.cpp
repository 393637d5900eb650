// The POSIX stand-in for the registry: its one key names the system-information tool found on
// the search path, and it opens nothing for writing.

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

// The most preferred tool wherever it lies on the path; none without an executable tool in
// an absolute folder (an empty or relative entry would be the current folder). Any right
// beyond reading is refused, as to a user without administrator rights.
TEST(PosixRegistry, NamesTheToolOnThePathAndOnlyReads) {
    const std::string oldPath = std::getenv("PATH");
    const fs::path oldFolder = fs::current_path(),
                   root = fs::temp_directory_path() / "vexolan-path";
    for (const auto& [name, mode] : {std::pair{"a/kinfocenter", fs::perms::owner_all},
                                     {"b/hardinfo", fs::perms::owner_all},
                                     {"hardinfo", fs::perms::owner_all},
                                     {"plain/hardinfo", fs::perms::owner_read}}) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name) << "#!/bin/sh\n";
        fs::permissions(root / name, mode);
    }
    fs::current_path(root);
    PosixRegistry registry;
    auto lookUp = [&](const std::string& path) {
        ::setenv("PATH", path.c_str(), 1);
        std::string r;
        const std::string key(Registry::SystemInfoKey);
        return getKeyValue(registry, Registry::LocalMachine, key, "PATH", r) ? r : "<absent>";
    };
    EXPECT_EQ(lookUp((root / "a").string() + ":" + (root / "b").string()), root / "b/hardinfo");
    for (const std::string& path :
         {std::string(), (root / "plain").string(), std::string(".::./")}) {
        EXPECT_EQ(lookUp(path), "<absent>") << path;
    }
    ::setenv("PATH", root.c_str(), 1);
    for (std::uint32_t access : {0x2003Fu, 0x2u, 0x4u, 0x20u, 0x40000000u, 0x1u, 0x20019u}) {
        const bool readOnly = access == Registry::QueryValueAccess || access == 0x20019u;
        Registry::Key key = 99;
        EXPECT_EQ(registry.openKey(Registry::LocalMachine, std::string(Registry::SystemInfoKey),
                                   access, key),
                  readOnly ? Registry::Success : PosixRegistry::AccessDenied);
        std::uint32_t type = 0, size = 4;
        unsigned char small[4];
        EXPECT_EQ(registry.queryValue(key, "PATH", type, small, size),
                  readOnly ? PosixRegistry::MoreData : PosixRegistry::InvalidHandle);
        EXPECT_EQ(registry.closeKey(key),
                  readOnly ? Registry::Success : PosixRegistry::InvalidHandle);
        EXPECT_EQ(registry.closeKey(key), PosixRegistry::InvalidHandle); // closed once only
    }
    ::setenv("PATH", oldPath.c_str(), 1);
    fs::current_path(oldFolder);
    fs::remove_all(root);
}

} // namespace
