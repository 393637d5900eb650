#include "about/get_key_value.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::Registry;

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

struct ValueCase {
    const char* name;
    std::uint32_t type;
    std::vector<unsigned char> bytes;
    bool found;
    std::string expected;
    const char* storedAs = "PATH"; // null: the key itself is missing
};

const ValueCase Cases[] = {
    {"StringCutAtItsFirstNul", 1, bytesOf(std::string("C:\\a\0cd\0", 8)), true, "C:\\a"},
    {"UnterminatedString", 1, bytesOf("C:\\x.exe"), true, "C:\\x.exe"},
    {"StringThatFillsTheBuffer", 1, bytesOf(std::string(1024, 'y')), true, std::string(1024, 'y')},
    {"LongerThanTheBuffer", 1, bytesOf(std::string(1025, 'z')), false, ""},
    // 0x0105 as bytes 05 01 00 00: read as characters up to the first NUL it would not be 261.
    {"NumberAsDecimal", 4, {0x05, 0x01, 0x00, 0x00}, true, "261"},
    {"NumberWithLowZeroBytes", 4, {0x00, 0x00, 0x00, 0x01}, true, "16777216"},
    {"OtherTypeLeavesTheResult", 3, {1, 2, 3}, true, "stale"},
    {"MissingValue", 1, bytesOf("x"), false, "", "Other"},
    {"MissingKey", 1, {}, false, "", nullptr},
};

// Each value read with no more than the right to query values; every key opened is closed,
// once, and no key that was never opened.
TEST(GetKeyValue, ReadsEachKindOfValueReadOnlyAndClosesTheKey) {
    for (const ValueCase& c : Cases) {
        SCOPED_TRACE(c.name);
        FakeRegistry registry;
        if (c.storedAs != nullptr) {
            registry.keys["K"][c.storedAs] = FakeRegistry::Value{c.type, c.bytes};
        }
        std::string result = "stale";
        EXPECT_EQ(GetKeyValue(registry, Registry::LocalMachine, "K", "PATH", result), c.found);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(registry.accessRequested, std::vector<std::uint32_t>{Registry::QueryValueAccess});
        EXPECT_TRUE(registry.openHandles.empty());
        EXPECT_EQ(registry.closed.size(), c.storedAs != nullptr ? 1u : 0u);
        EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
    }
}

} // namespace
