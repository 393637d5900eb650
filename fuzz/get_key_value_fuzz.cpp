// The registry lookup: a registry whose answers, value type and value bytes (0 to 2000 of
// them) come from the fuzz input. The lookup never reads or lets the registry write beyond
// its buffer, its result holds no NUL, a miss leaves "", and every key it opened is closed
// exactly once, also when the registry throws.

#include "about/get_key_value.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using fuzz::check;
using platform::Registry;

// Reads the fuzz input front to back; past its end every read gives 0.
class InputReader {
public:
    InputReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint32_t word() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | byte();
        }
        return value;
    }
    std::vector<unsigned char> rest(std::size_t length) {
        std::vector<unsigned char> bytes;
        while (bytes.size() < length && at_ < size_) {
            bytes.push_back(data_[at_++]);
        }
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// How the registry answers the query.
enum class Answer { Honest, Error, Throws, LongerThanTheBuffer, ScribblesTheWholeBuffer, Count };

class FuzzRegistry : public Registry {
public:
    explicit FuzzRegistry(InputReader& input) {
        const std::uint8_t open = input.byte();
        openResult_ = open % 4 == 0 ? 2 : Success;
        handleOnOpen_ = open % 4 == 1 ? 0 : 0x1000 + open;
        answer_ = static_cast<Answer>(input.byte() % static_cast<int>(Answer::Count));
        const std::uint8_t typeChoice = input.byte();
        const std::uint32_t types[] = {StringType, NumberType, 0, 2, 3, 7, 11};
        type_ = typeChoice < 200 ? types[typeChoice % std::size(types)] : input.word();
        const std::size_t length = (std::size_t{input.byte()} << 8 | input.byte()) % 2001;
        value_ = input.rest(length);
    }

    long openKey(std::uint32_t, const std::string&, std::uint32_t, Key& key) override {
        key = handleOnOpen_;
        if (openResult_ == Success && key != 0) {
            open_.insert(key);
        }
        return openResult_;
    }

    long queryValue(Key key, const std::string&, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override {
        check(open_.count(key) == 1, "a value read from a key that is not open");
        type = type_;
        switch (answer_) {
        case Answer::Error:
            return 5;
        case Answer::Throws:
            throw std::runtime_error("registry failure");
        case Answer::LongerThanTheBuffer:
            // Claims success with a length beyond the buffer after filling the buffer.
            std::memset(data, 'A', size);
            size = size + 1 + static_cast<std::uint32_t>(value_.size());
            return Success;
        case Answer::ScribblesTheWholeBuffer:
            std::memset(data, 0xEE, size);
            [[fallthrough]];
        default:
            break;
        }
        if (value_.size() > size) {
            size = static_cast<std::uint32_t>(value_.size());
            return 234; // more data
        }
        std::copy(value_.begin(), value_.end(), data);
        size = static_cast<std::uint32_t>(value_.size());
        return Success;
    }

    long closeKey(Key key) override {
        check(open_.erase(key) == 1 || key == 0, "a key closed that was not open");
        if (key != 0) {
            ++closed_;
        }
        return Success;
    }

    bool keysLeftOpen() const { return !open_.empty(); }
    Answer answer() const { return answer_; }
    std::uint32_t type() const { return type_; }
    const std::vector<unsigned char>& value() const { return value_; }

private:
    long openResult_;
    Key handleOnOpen_;
    Answer answer_;
    std::uint32_t type_;
    std::vector<unsigned char> value_;
    std::set<Key> open_;
    int closed_ = 0;
};

void checkFound(const FuzzRegistry& registry, const std::string& result,
                const std::string& before) {
    const bool honest = registry.answer() == Answer::Honest;
    if (registry.type() == Registry::StringType && honest) {
        const auto& value = registry.value();
        const auto end = std::find(value.begin(), value.end(), 0);
        check(result == std::string(value.begin(), end), "a string value read wrongly");
    } else if (registry.type() == Registry::NumberType) {
        check(!result.empty() && result.find_first_not_of("0123456789") == std::string::npos,
              "a number value read as \"" + result + "\"");
    } else if (registry.type() != Registry::StringType) {
        check(result == before, "a value of another type changed the result");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    InputReader input(data, size);
    FuzzRegistry registry(input);
    const std::string before = "previous";
    std::string result = before;
    bool found = false;
    try {
        found = GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Key", "Value", result);
    } catch (const std::runtime_error&) {
        check(registry.answer() == Answer::Throws, "the lookup threw by itself");
        check(!registry.keysLeftOpen(), "a key left open after a registry error");
        return 0;
    }
    check(registry.answer() != Answer::Throws || !found, "a registry error reported as found");
    check(!registry.keysLeftOpen(), "a key left open");
    check(result.find('\0') == std::string::npos, "the result holds a NUL");
    check(result.size() <= 1024, "the result is longer than the buffer");
    if (!found) {
        check(result.empty(), "a miss left \"" + result + "\"");
        return 0;
    }
    checkFound(registry, result, before);
    return 0;
}
