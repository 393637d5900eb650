#include "about/get_key_value.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr std::uint32_t BufferSize = 1024;

// Closes the key on every way out of the lookup, a thrown error included. The outcome of the
// close is of no interest, and a destructor must not throw.
class OpenKey {
public:
    OpenKey(platform::Registry& registry, platform::Registry::Key key)
        : registry_(registry), key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        try {
            registry_.closeKey(key_);
        } catch (...) {
        }
    }
    platform::Registry::Key key() const { return key_; }

private:
    platform::Registry& registry_;
    platform::Registry::Key key_;
};

// A 32-bit number is stored with its lowest byte first.
std::string numberValueText(const std::array<unsigned char, BufferSize>& buffer) {
    std::uint32_t number = 0;
    for (std::size_t i = 4; i-- > 0;) {
        number = (number << 8) | buffer[i];
    }
    return std::to_string(number);
}

} // namespace

bool getKeyValue(platform::Registry& registry, std::uint32_t keyRoot, const std::string& keyName,
                 const std::string& valueName, std::string& result) {
    using platform::Registry;

    // Reading needs no more than the right to query values: asking for write rights as well
    // would keep the tool from a user who may not change the key.
    Registry::Key handle = 0;
    if (registry.openKey(keyRoot, keyName, Registry::QueryValueAccess, handle) !=
            Registry::Success ||
        handle == 0) {
        // Nothing was opened, so there is nothing to close.
        result.clear();
        return false;
    }
    OpenKey key(registry, handle);

    std::array<unsigned char, BufferSize> buffer{};
    std::uint32_t size = BufferSize;
    std::uint32_t type = 0;
    if (registry.queryValue(key.key(), valueName, type, buffer.data(), size) != Registry::Success) {
        result.clear();
        return false;
    }

    // The buffer started all NUL, so a string stored without its terminator ends at the first
    // unused byte; a value that filled the buffer has none and is taken whole.
    const auto end = buffer.begin() + std::min(size, BufferSize);
    const auto cut = std::find(buffer.begin(), end, static_cast<unsigned char>(0));
    if (type == Registry::StringType) {
        result.assign(buffer.begin(), cut);
    } else if (type == Registry::NumberType) {
        // The decimal value of the whole number; reading its bytes as characters would lose
        // every byte from the first zero byte on.
        result = numberValueText(buffer);
    }
    // A value of any other type leaves the result as it was; it still counts as found.
    return true;
}
