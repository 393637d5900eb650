#pragma once

#include "platform/registry.h"

#include <string>

namespace platform {

// A read-only stand-in for the system registry that answers one key: the local-machine key of
// the system-information tool exists only while such a program is installed on the search
// path, and then holds the string value "PATH" with that program's full path. Like a user
// without administrator rights, it refuses every open that asks for more than reading.
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

private:
    static constexpr Key ToolKey = 1;
    std::string toolPath_; // while the key is open
};

} // namespace platform
