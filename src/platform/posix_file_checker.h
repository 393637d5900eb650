#pragma once

#include "platform/file_checker.h"

namespace platform {

class PosixFileChecker : public FileChecker {
public:
    bool exists(const std::string& path) override;
};

} // namespace platform
