#pragma once

#include "platform/program_launcher.h"

// Starts a program by its path as a process of its own that outlives the program and is never
// waited for. A path that cannot be executed fails here, not silently in the background.
class QtProgramLauncher : public platform::ProgramLauncher {
public:
    bool start(const std::string& path) override;
};
