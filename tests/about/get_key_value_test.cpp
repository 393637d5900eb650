#include "about/get_key_value.h"
#include "fakes/fake_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::Registry;

const std::string Key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class GetKeyValueTest : public testing::Test {
protected:
    FakeRegistry registry;
    std::string result = "stale";

    bool lookUp(const std::string& value = "PATH") {
        return GetKeyValue(registry, Registry::LocalMachine, Key, value, result);
    }

    // Every key that was opened is closed, once, and no close names a key never opened.
    void expectEveryKeyClosedOnce() const {
        EXPECT_TRUE(registry.openHandles.empty());
        EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
        for (Registry::Key key : registry.closed) {
            EXPECT_NE(key, 0u);
        }
    }
};

// The values a lookup may meet, each with the text it must give.
struct ValueCase {
    const char* name;
    std::vector<unsigned char> bytes;
    std::uint32_t type;
    std::string expected;
};

std::vector<unsigned char> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<unsigned char> repeated(std::size_t count, char c) {
    return std::vector<unsigned char>(count, static_cast<unsigned char>(c));
}

std::vector<unsigned char> withNul(std::vector<unsigned char> bytes) {
    bytes.push_back(0);
    return bytes;
}

class ValueRead : public GetKeyValueTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ValueRead, GivesTheValueText) {
    registry.keys[Key]["PATH"] = FakeRegistry::Value{GetParam().type, GetParam().bytes};
    EXPECT_TRUE(lookUp());
    EXPECT_EQ(result, GetParam().expected);
    EXPECT_EQ(registry.closed.size(), 1u);
    expectEveryKeyClosedOnce();
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueRead,
    testing::Values(
        ValueCase{"TerminatedString", withNul(bytesOf("C:\\Tools\\msinfo32.exe")), 1,
                  "C:\\Tools\\msinfo32.exe"},
        ValueCase{"UnterminatedString", bytesOf("C:\\msinfo32.exe"), 1, "C:\\msinfo32.exe"},
        ValueCase{"StringCutAtItsFirstNul", withNul(bytesOf(std::string("ab\0cd", 5))), 1, "ab"},
        ValueCase{"EmptyString", withNul({}), 1, ""},
        ValueCase{"StringThatFillsTheBufferWithItsNul", withNul(repeated(1023, 'x')), 1,
                  std::string(1023, 'x')},
        ValueCase{"UnterminatedStringThatFillsTheBuffer", repeated(1024, 'y'), 1,
                  std::string(1024, 'y')},
        // 0x0105: bytes 05 01 00 00; read byte by byte as hex digits it would come out as 21.
        ValueCase{"NumberWithTwoBytes", {0x05, 0x01, 0x00, 0x00}, 4, "261"},
        ValueCase{"NumberZero", {0, 0, 0, 0}, 4, "0"},
        ValueCase{"NumberWithLowZeroBytes", {0x00, 0x00, 0x00, 0x01}, 4, "16777216"},
        ValueCase{"LargestNumber", {0xFF, 0xFF, 0xFF, 0xFF}, 4, "4294967295"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GetKeyValueTest, OtherTypeLeavesTheResultAsItWasButIsFound) {
    registry.keys[Key]["PATH"] = FakeRegistry::Value{3, {1, 2, 3}}; // binary
    EXPECT_TRUE(lookUp());
    EXPECT_EQ(result, "stale");
    expectEveryKeyClosedOnce();
}

TEST_F(GetKeyValueTest, ValueLongerThanTheBufferFails) {
    registry.keys[Key]["PATH"] = FakeRegistry::Value{1, withNul(repeated(1024, 'z'))};
    EXPECT_FALSE(lookUp());
    EXPECT_EQ(result, "");
    EXPECT_EQ(registry.closed.size(), 1u);
    expectEveryKeyClosedOnce();
}

TEST_F(GetKeyValueTest, MissingKeyFailsWithoutClosingAnything) {
    EXPECT_FALSE(lookUp());
    EXPECT_EQ(result, "");
    EXPECT_TRUE(registry.closed.empty());
    EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
}

TEST_F(GetKeyValueTest, MissingValueFailsAndClosesTheKey) {
    registry.addString(Key, "Other", "x");
    EXPECT_FALSE(lookUp());
    EXPECT_EQ(result, "");
    EXPECT_EQ(registry.closed.size(), 1u);
    expectEveryKeyClosedOnce();
}

TEST_F(GetKeyValueTest, AsksForQueryValueAccessOnly) {
    registry.addString(Key, "PATH", "x");
    lookUp();
    lookUp("missing");
    ASSERT_EQ(registry.accessRequested.size(), 2u);
    for (std::uint32_t access : registry.accessRequested) {
        EXPECT_EQ(access, Registry::QueryValueAccess);
    }
}

// A registry that grants only reading, as for a user without administrator rights.
class ReadOnlyRegistry : public FakeRegistry {
public:
    long openKey(std::uint32_t root, const std::string& subKey, std::uint32_t access,
                 Key& key) override {
        if ((access & ~Registry::QueryValueAccess) != 0) {
            key = 0;
            return 5; // access denied
        }
        return FakeRegistry::openKey(root, subKey, access, key);
    }
};

TEST(GetKeyValueRights, ReadsWhereTheUserMayNotWrite) {
    ReadOnlyRegistry registry;
    registry.addString(Key, "PATH", "C:\\msinfo32.exe");
    std::string result;
    EXPECT_TRUE(GetKeyValue(registry, Registry::LocalMachine, Key, "PATH", result));
    EXPECT_EQ(result, "C:\\msinfo32.exe");
}

class ThrowingQueryRegistry : public FakeRegistry {
public:
    long queryValue(Key, const std::string&, std::uint32_t&, unsigned char*,
                    std::uint32_t&) override {
        throw std::runtime_error("registry failure");
    }
};

TEST(GetKeyValueErrors, ThrownErrorLeavesTheLookupWithTheKeyClosed) {
    ThrowingQueryRegistry registry;
    registry.addString(Key, "PATH", "x");
    std::string result;
    EXPECT_THROW(GetKeyValue(registry, Registry::LocalMachine, Key, "PATH", result),
                 std::runtime_error);
    EXPECT_EQ(registry.closed.size(), 1u);
    EXPECT_TRUE(registry.openHandles.empty());
    EXPECT_EQ(registry.closeOfUnopenedKeys, 0);
}

// An open that reports success but hands back no key has opened nothing.
class NullKeyRegistry : public FakeRegistry {
public:
    long openKey(std::uint32_t, const std::string&, std::uint32_t, Key& key) override {
        key = 0;
        return Success;
    }
};

TEST(GetKeyValueErrors, OpenWithoutAKeyIsNotFoundAndClosesNothing) {
    NullKeyRegistry registry;
    std::string result = "stale";
    EXPECT_FALSE(GetKeyValue(registry, Registry::LocalMachine, Key, "PATH", result));
    EXPECT_EQ(result, "");
    EXPECT_TRUE(registry.closed.empty());
}

} // namespace
