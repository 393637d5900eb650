// The POSIX adapters exist only where they are built.
#if !defined(_WIN32)

#include "platform/posix_program_launcher.h"
#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using platform::PosixProgramLauncher;

// After a start the program is no child of ours: nothing is left to collect, now or later.
void expectNoChildren() {
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST(PosixProgramLauncher, StartsAProgramThatExists) {
    PosixProgramLauncher launcher;
    EXPECT_TRUE(launcher.start("/bin/true"));
    expectNoChildren();
}

TEST(PosixProgramLauncher, FailsWhenTheProgramCannotBeExecuted) {
    TempFolder folder;
    const auto plain = folder.write("plain", "#!/bin/sh\nexit 0\n", false);
    PosixProgramLauncher launcher;
    for (const std::string& path :
         {std::string("/nonexistent/vexolan-tool"), std::string(), plain, folder.path().string()}) {
        EXPECT_FALSE(launcher.start(path)) << '"' << path << '"';
    }
    expectNoChildren();
}

// The started program runs in a session of its own, so it outlives the program and its
// terminal. It writes its session into a file that the test then reads.
TEST(PosixProgramLauncher, ProgramRunsInASessionOfItsOwn) {
    TempFolder folder;
    const auto report = (folder.path() / "session").string();
    const auto script = folder.write("report-session",
                                     "#!/bin/sh\ncut -d' ' -f6 /proc/$$/stat > '" + report +
                                         ".part' && mv '" + report + ".part' '" + report + "'\n",
                                     true);
    PosixProgramLauncher launcher;
    ASSERT_TRUE(launcher.start(script));
    expectNoChildren();

    std::string session;
    for (int tries = 0; tries < 500 && session.empty(); ++tries) {
        std::ifstream(report) >> session;
        if (session.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ASSERT_FALSE(session.empty()) << "the program did not run";
    EXPECT_NE(std::stol(session), static_cast<long>(::getsid(0)));
}

} // namespace

#endif
