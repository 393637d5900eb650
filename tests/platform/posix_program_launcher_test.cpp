// The POSIX adapters exist only where they are built.
#if !defined(_WIN32)

#include "platform/posix_program_launcher.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/wait.h>

namespace {

// Only a program that really runs counts as started, and a started program is adopted by the
// system: no child of ours is left to collect.
TEST(PosixProgramLauncher, StartsAnExecutableAndFailsOtherwise) {
    platform::PosixProgramLauncher launcher;
    EXPECT_TRUE(launcher.start("/bin/true"));
    for (const char* path : {"/nonexistent/vexolan-tool", "", "/etc/passwd", "/tmp"}) {
        EXPECT_FALSE(launcher.start(path)) << '"' << path << '"';
    }
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace

#endif
