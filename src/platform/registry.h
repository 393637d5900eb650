#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The system registry, read the way the Win32 calls read it: every call answers 0 on
// success and an error code otherwise.
class Registry {
public:
    using Key = std::uintptr_t; // 0 is no key
    static constexpr std::uint32_t LocalMachine = 0x80000002u;
    static constexpr std::uint32_t QueryValueAccess = 0x0001u;
    static constexpr std::uint32_t StringType = 1;
    static constexpr std::uint32_t NumberType = 4;
    static constexpr long Success = 0;
    // Where the system names its system-information tool: the value holds the tool's path.
    static constexpr std::string_view SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr std::string_view SystemInfoPathValue = "PATH";

    virtual ~Registry() = default;
    virtual long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                         Key& key) = 0;
    // Copies at most size bytes of the value into data; on return size holds the value's
    // length. A value longer than the buffer fails.
    virtual long queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;
    virtual long closeKey(Key key) = 0;
};

} // namespace platform
