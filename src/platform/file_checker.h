#pragma once

#include <string>

namespace platform {

// Whether a file exists.
class FileChecker {
public:
    virtual ~FileChecker() = default;
    virtual bool exists(const std::string& path) = 0;
};

} // namespace platform
