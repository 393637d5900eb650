#pragma once

#include "platform/registry.h"

#include <map>
#include <string>

namespace platform {

// A read-only stand-in for the local-machine root of the system registry. Its one key,
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", exists only while a system-information program is
// installed on the search path, and then holds the string value "PATH" with that program's
// full path. Like a user without administrator rights, it refuses every open that asks for
// more than reading. Names compare without regard to case, as the registry's do.
class PosixRegistry : public Registry {
public:
    static constexpr long FileNotFound = 2;
    static constexpr long AccessDenied = 5;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override;
    long queryValue(Key key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Key key) override;

    // The first system-information program on $PATH, or "" when there is none.
    static std::string findSystemInfoTool();

private:
    std::map<Key, std::string> openKeys_; // handle -> the tool path the key holds
    Key nextKey_ = 1;
};

} // namespace platform
