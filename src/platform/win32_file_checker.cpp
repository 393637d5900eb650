#include "platform/win32_file_checker.h"

#include "platform/win32_api.h"

namespace platform {

bool Win32FileChecker::exists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace platform
