#include "platform/win32_registry.h"

#include "platform/win32_api.h"

namespace platform {

namespace {

// The predefined roots are 32-bit numbers that the system widens with their sign, as the
// HKEY_LOCAL_MACHINE macro does: 0x80000002 is 0xFFFFFFFF80000002 as a 64-bit handle.
HKEY rootHandle(std::uint32_t root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY keyHandle(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

} // namespace

long Win32Registry::openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                            Key& key) {
    HKEY opened = nullptr;
    const LONG result = ::RegOpenKeyExA(rootHandle(root), subKey.c_str(), 0, access, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<Key>(opened) : 0;
    return result;
}

long Win32Registry::queryValue(Key key, const std::string& valueName, std::uint32_t& type,
                               unsigned char* data, std::uint32_t& size) {
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result = ::RegQueryValueExA(keyHandle(key), valueName.c_str(), nullptr, &valueType,
                                           data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

long Win32Registry::closeKey(Key key) {
    return ::RegCloseKey(keyHandle(key));
}

} // namespace platform
