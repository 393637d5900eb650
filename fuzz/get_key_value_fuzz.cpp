// The registry lookup against a registry whose answers, value type and value bytes (up to
// 2000 of them) come from the fuzz input. The lookup never lets the registry write beyond its
// buffer, its result holds no NUL, a miss leaves "", and every key it opened is closed exactly
// once, also when the registry throws.

#include "about/get_key_value.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using fuzz::check;
using platform::Registry;

// How the registry answers the query.
enum class Answer { Honest, Error, Throws, LongerThanTheBuffer, ScribblesTheBuffer, Count };

class FuzzRegistry : public Registry {
public:
    FuzzRegistry(const std::uint8_t* data, std::size_t size) {
        auto next = [&] { return size > used_ ? data[used_++] : std::uint8_t{0}; };
        const std::uint8_t open = next();
        openResult_ = open % 4 == 0 ? 2 : Success;
        handle_ = open % 4 == 1 ? 0 : 0x1000 + open;
        answer_ = static_cast<Answer>(next() % static_cast<int>(Answer::Count));
        type_ = std::vector<std::uint32_t>{StringType, NumberType, 0, 3, 7}[next() % 5];
        const std::size_t length = (std::size_t{next()} << 8 | next()) % 2001;
        value_.assign(data + used_, data + std::min(size, used_ + length));
    }

    long openKey(std::uint32_t, const std::string&, std::uint32_t, Key& key) override {
        key = handle_;
        opened_ += openResult_ == Success && key != 0;
        return openResult_;
    }

    long queryValue(Key key, const std::string&, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        check(key == handle_ && opened_ == 1, "a value read from a key that is not open");
        type = type_;
        if (answer_ == Answer::Error) {
            return 5;
        }
        if (answer_ == Answer::Throws) {
            throw std::runtime_error("registry failure");
        }
        if (answer_ != Answer::Honest) {
            std::memset(data, 0xEE, size); // the whole buffer, and no byte beyond it
        }
        if (answer_ == Answer::LongerThanTheBuffer || value_.size() > size) {
            size += 1 + static_cast<std::uint32_t>(value_.size());
            return answer_ == Answer::LongerThanTheBuffer ? Success : 234;
        }
        std::copy(value_.begin(), value_.end(), data);
        size = static_cast<std::uint32_t>(value_.size());
        return Success;
    }

    long closeKey(Key key) override {
        check(key == handle_ && key != 0 && opened_-- == 1, "a key closed that was not open");
        return Success;
    }

    std::size_t used_ = 0;
    long openResult_;
    Key handle_;
    Answer answer_;
    std::uint32_t type_;
    std::vector<unsigned char> value_;
    int opened_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzRegistry registry(data, size);
    std::string result = "previous";
    bool found = false;
    try {
        found = GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Key", "Value", result);
    } catch (const std::runtime_error&) {
        check(registry.answer_ == Answer::Throws, "the lookup threw by itself");
    }
    check(registry.opened_ == 0, "a key left open");
    check(result.find('\0') == std::string::npos && result.size() <= 1024, "a result too long");
    if (!found) {
        check(result.empty() || registry.answer_ == Answer::Throws, "a miss left " + result);
    } else if (registry.type_ == Registry::StringType && registry.answer_ == Answer::Honest) {
        const auto end = std::find(registry.value_.begin(), registry.value_.end(), 0);
        check(result == std::string(registry.value_.begin(), end), "a string read wrongly");
    } else if (registry.type_ == Registry::NumberType) {
        check(!result.empty() && result.find_first_not_of("0123456789") == std::string::npos,
              "a number value read as \"" + result + "\"");
    } else if (registry.type_ != Registry::StringType) {
        check(result == "previous", "a value of another type changed the result");
    }
    return 0;
}
