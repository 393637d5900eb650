#include "platform/posix_file_checker.h"

#include <sys/stat.h>

namespace platform {

bool PosixFileChecker::exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace platform
