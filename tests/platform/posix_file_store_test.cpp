// The POSIX file store: names by their bytes, what is not a readable file said by its kind, and
// a write that replaces the file whole or names why it cannot.

#include "platform/posix_file_store.h"
#include "support/sheet_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using platform::PosixFileStore;
using Status = platform::FileStore::Status;

class PosixFileStoreTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("vexolan-files-" + std::to_string(::getpid()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
    PosixFileStore store_;
};

// Each kind of name gives its status; a file of the limit is read and one byte more is not,
// and a named pipe is refused without waiting for a writer.
TEST_F(PosixFileStoreTest, ReadsOrSaysWhatTheNameIs) {
    std::ofstream(path("caf\xe9.vexmech")) << "{}";
    std::ofstream(path("limit")) << "12345";
    std::ofstream(path("big")) << "123456";
    fs::create_symlink("loop", path("loop"));
    fs::create_symlink(path("caf\xe9.vexmech"), path("link"));
    fs::create_symlink("none", path("dangling"));
    ASSERT_EQ(::mkfifo(path("pipe").c_str(), 0600), 0);
    const std::tuple<const char*, Status, std::string> cases[] = {
        {"caf\xe9.vexmech", Status::Read, "{}"}, {"link", Status::Read, "{}"},
        {"limit", Status::Read, "12345"},        {"big", Status::TooLarge, ""},
        {"loop", Status::LinkLoop, ""},          {"loop/file", Status::LinkLoop, ""},
        {"dangling", Status::Missing, ""},       {"none", Status::Missing, ""},
        {"limit/file", Status::Missing, ""},     {"", Status::Folder, ""},
        {"pipe", Status::Refused, ""},
    };
    for (const auto& [name, status, bytes] : cases) {
        const platform::FileStore::Reading reading = store_.read(path(name), 5);
        EXPECT_EQ(std::pair(reading.status, reading.bytes), std::pair(status, bytes)) << name;
    }
    EXPECT_EQ(store_.read(path("pipe"), 5).reason, "not an ordinary file");
}

// A file that opens but fails to read (Linux's memory of a process, at an address nothing holds)
// is refused with the system's reason, not read on and on.
TEST_F(PosixFileStoreTest, AFileThatFailsToReadIsRefused) {
    if (!fs::exists("/proc/self/mem")) {
        GTEST_SKIP() << "no file here that opens and fails to read";
    }
    const platform::FileStore::Reading reading = store_.read("/proc/self/mem", 5);
    EXPECT_EQ(std::pair(reading.status, reading.reason),
              std::pair(Status::Refused, std::string(std::strerror(EIO))));
}

// A write replaces the file whole, keeps its permissions, goes through a link to the file it
// leads to, keeps a name's bytes, and leaves no temporary file behind; it closes its own file
// once, no descriptor of the program's (its input, the lowest) with it.
TEST_F(PosixFileStoreTest, ReplacesTheFileWhole) {
    const bool inputOpen = ::fcntl(STDIN_FILENO, F_GETFD) != -1;
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    std::ofstream(path("mech")) << "an older and much longer Mech";
    fs::permissions(path("mech"), mode);
    fs::create_symlink("mech", path("link"));
    EXPECT_EQ(store_.write(path("link"), "new"), "");
    EXPECT_EQ(fileText(path("mech")), "new");
    EXPECT_TRUE(fs::is_symlink(path("link")));
    EXPECT_EQ(fs::status(path("mech")).permissions(), mode);
    EXPECT_EQ(store_.write(path("caf\xe9"), "bytes"), "");
    EXPECT_EQ(fileText(path("caf\xe9")), "bytes");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 3);
    EXPECT_EQ(::fcntl(STDIN_FILENO, F_GETFD) != -1, inputOpen);
}

// What the system refuses is named, the folder where it is the folder that refuses a new file
// beside the target, whoever runs the test: sysfs lets no one make a file.
TEST_F(PosixFileStoreTest, NamesWhyAWriteIsRefused) {
    EXPECT_EQ(store_.write(path("no/mech"), "x"), std::strerror(ENOENT));
    EXPECT_EQ(store_.write(folder_.string(), "x"), "Filename refers to a directory");
    if (!fs::is_directory("/sys/kernel")) {
        GTEST_SKIP() << "no sysfs at /sys";
    }
    const std::string refused = store_.write("/sys/kernel/mech", "x");
    EXPECT_TRUE(refused.starts_with("The folder \"/sys/kernel\" cannot be written (")) << refused;
    EXPECT_TRUE(
        refused.ends_with("); a save replaces the file through a temporary file beside it."))
        << refused;
}

} // namespace
