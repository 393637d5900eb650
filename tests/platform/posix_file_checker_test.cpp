// The POSIX file checker: a file is there only as an ordinary file, whatever else bears its name.

#include "platform/posix_file_checker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(PosixFileChecker, FindsOnlyAnOrdinaryFile) {
    const std::filesystem::path folder = testing::TempDir();
    const std::filesystem::path file = folder / "vexolan-checked-file";
    std::ofstream(file) << "Vexo";
    platform::PosixFileChecker checker;
    EXPECT_TRUE(checker.exists(file.string()));
    EXPECT_FALSE(checker.exists(folder.string()));
    EXPECT_FALSE(checker.exists((folder / "vexolan-no-such-file").string()));
    std::filesystem::remove(file);
}

} // namespace
