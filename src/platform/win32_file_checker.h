#pragma once

#include "platform/file_checker.h"

namespace platform {

// Whether a file (not a folder) exists, through GetFileAttributesA.
class Win32FileChecker : public FileChecker {
public:
    bool exists(const std::string& path) override;
};

} // namespace platform
