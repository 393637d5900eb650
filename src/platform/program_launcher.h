#pragma once

#include <string>

namespace platform {

// Starts a program by its path with a normal window that takes the focus.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // False when the program could not be started.
    virtual bool start(const std::string& path) = 0;
};

} // namespace platform
