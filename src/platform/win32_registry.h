#pragma once

#include "platform/registry.h"

namespace platform {

// The system registry through RegOpenKeyExA, RegQueryValueExA and RegCloseKey of advapi32.
class Win32Registry : public Registry {
public:
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override;
    long queryValue(Key key, const std::string& valueName, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    long closeKey(Key key) override;
};

} // namespace platform
