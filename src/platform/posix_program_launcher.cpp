#include "platform/posix_program_launcher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// Only async-signal-safe calls from here on: the child of a threaded program may use no more.
[[noreturn]] void failChild(int reportFd) {
    const int error = errno;
    [[maybe_unused]] auto written = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

// The middle process: leaves our session, forks the program and exits at once, so that the
// program is adopted by the system. Its own exit is collected by start().
[[noreturn]] void runMiddle(const char* path, char* const argv[], const sigset_t& noSignals,
                            int reportFd) {
    ::setsid();
    const pid_t program = ::fork();
    if (program < 0) {
        failChild(reportFd);
    }
    if (program == 0) {
        // Our blocked signals are no business of the program.
        ::sigprocmask(SIG_SETMASK, &noSignals, nullptr);
        ::execv(path, argv);
        failChild(reportFd); // the report pipe closes by itself only on a successful exec
    }
    ::_exit(0);
}

void waitFor(pid_t child) {
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
}

// EOF without a word means the program was executed; an error number means it was not.
bool readReport(int fd) {
    int error = 0;
    ssize_t got;
    do {
        got = ::read(fd, &error, sizeof error);
    } while (got < 0 && errno == EINTR);
    return got == 0;
}

} // namespace

bool PosixProgramLauncher::start(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // Everything the children need is made before the fork.
    char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
    sigset_t noSignals;
    sigemptyset(&noSignals);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (middle == 0) {
        ::close(report[0]);
        runMiddle(path.c_str(), argv, noSignals, report[1]);
    }
    ::close(report[1]);
    waitFor(middle);
    const bool started = readReport(report[0]);
    ::close(report[0]);
    return started;
}

} // namespace platform
