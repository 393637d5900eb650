#pragma once

#include "platform/program_launcher.h"

namespace platform {

// Starts a program by its path as a process of its own: in a new session, adopted by the
// system rather than by us, so that it never lingers as a zombie and outlives the program.
// Returns true only once the program is really running: a path that cannot be executed
// fails here, not silently in the background.
class PosixProgramLauncher : public ProgramLauncher {
public:
    bool start(const std::string& path) override;
};

} // namespace platform
