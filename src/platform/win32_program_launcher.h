#pragma once

#include "platform/program_launcher.h"

namespace platform {

// Starts a program by its path with a normal window that takes the focus; the program runs on
// its own and its process is not waited for.
class Win32ProgramLauncher : public ProgramLauncher {
public:
    bool start(const std::string& path) override;
};

} // namespace platform
