#include "platform/posix_registry.h"

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Dedicated system-information programs first, the most common first: the GTK hardware
// browser, the desktop's info centre of KDE, the newer fork of the GTK browser, and the
// hardware lister's own window last. Task managers are not system information and stay out.
constexpr std::array<const char*, 4> Tools = {"hardinfo", "kinfocenter", "hardinfo2", "lshw-gtk"};

// Rights that only read a key: query value, enumerate subkeys, notify, read control, the
// 32/64-bit view flags and the generic read right. Anything else asks to change something.
constexpr std::uint32_t ReadRights =
    0x0001u | 0x0008u | 0x0010u | 0x20000u | 0x0100u | 0x0200u | 0x80000000u;

bool isExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

// Only absolute folders of the search path count: an empty or relative entry would mean the
// current folder, and the program never starts a tool from wherever it happens to run.
std::string findOnPath(std::string_view search, const char* name) {
    while (!search.empty()) {
        const auto colon = search.find(':');
        const auto folder = search.substr(0, colon);
        search = colon == std::string_view::npos ? std::string_view{} : search.substr(colon + 1);
        const std::string path = std::string(folder) + "/" + name;
        if (folder.starts_with('/') && isExecutableFile(path)) {
            return path;
        }
    }
    return {};
}

// Looked for at each open, so that a tool installed while the program runs is found.
std::string findSystemInfoTool() {
    const char* search = std::getenv("PATH");
    for (const char* tool : Tools) {
        if (auto path = findOnPath(search != nullptr ? search : "", tool); !path.empty()) {
            return path;
        }
    }
    return {};
}

} // namespace

long PosixRegistry::openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                            Key& key) {
    key = 0;
    if ((access & ~ReadRights) != 0) {
        return AccessDenied;
    }
    if (root != LocalMachine || subKey != SystemInfoKey) {
        return FileNotFound;
    }
    toolPath_ = findSystemInfoTool();
    if (toolPath_.empty()) {
        return FileNotFound;
    }
    key = ToolKey;
    return Success;
}

long PosixRegistry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                               unsigned char* data, std::uint32_t& size) {
    if (key != ToolKey || toolPath_.empty()) {
        return InvalidHandle;
    }
    if (valueName != SystemInfoPathValue) {
        return FileNotFound;
    }
    const auto needed = static_cast<std::uint32_t>(toolPath_.size() + 1); // with its NUL
    type = StringType;
    if (data == nullptr || needed > size) {
        size = needed;
        return data == nullptr ? Success : MoreData;
    }
    std::memcpy(data, toolPath_.c_str(), needed);
    size = needed;
    return Success;
}

long PosixRegistry::closeKey(Key key) {
    if (key != ToolKey || toolPath_.empty()) {
        return InvalidHandle;
    }
    toolPath_.clear();
    return Success;
}

} // namespace platform
