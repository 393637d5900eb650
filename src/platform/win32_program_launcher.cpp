#include "platform/win32_program_launcher.h"

#include "platform/win32_api.h"

#include <vector>

namespace platform {

bool Win32ProgramLauncher::start(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // The path is quoted so that a folder with blanks, "Program Files" say, stays one word of
    // the command line; the call may write into the line, so it gets a copy of its own.
    const std::string quoted = "\"" + path + "\"";
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &startup, &process)) {
        return false;
    }
    // The program is not watched: its handles go at once, the program itself runs on.
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

} // namespace platform
