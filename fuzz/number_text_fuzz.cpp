// Number texts: reading any text never fails badly and agrees with an independent reading,
// and every finite number is written as the shortest plain decimal text that reads back to
// the same number.

#include "app/number_text.h"
#include "fuzz_check.h"
#include "random/sheet_number.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using fuzz::check;

bool digits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// An optional "-", whole digits without leading zeros, and a fraction without trailing zeros.
void checkPlainDecimal(const std::string& shown, double value) {
    std::string_view body(shown);
    if (!body.empty() && body.front() == '-') {
        check(value < 0, "\"-\" before a number that is not negative: " + shown);
        body.remove_prefix(1);
    }
    const std::size_t point = body.find('.');
    const std::string_view whole = body.substr(0, point);
    check(digits(whole), "no plain whole part: " + shown);
    check(whole.size() == 1 || whole.front() != '0', "leading zero: " + shown);
    if (point == std::string_view::npos) {
        check(std::trunc(value) == value, "a fraction written without its point: " + shown);
        return;
    }
    const std::string_view fraction = body.substr(point + 1);
    check(digits(fraction), "no plain fraction: " + shown);
    check(fraction.back() != '0', "trailing zero: " + shown);
    // One decimal fewer, rounded either way, no longer reads back: the text is the shortest.
    std::vector<char> shorter(shown.size() + 8);
    std::snprintf(shorter.data(), shorter.size(), "%.*f", static_cast<int>(fraction.size()) - 1,
                  value);
    check(readNumber(shorter.data()) != value, "a shorter text reads back: " + shown);
}

void checkWritten(double value) {
    const std::string shown = numberText(value);
    if (!std::isfinite(value)) {
        return; // never written by the program; it only must not crash
    }
    const std::optional<double> back = readNumber(shown);
    check(back.has_value() && *back == value, "does not read back: " + shown);
    check(shown != "-0", "negative zero written as \"-0\"");
    checkPlainDecimal(shown, value);
}

void checkRead(std::string_view text) {
    const std::optional<double> value = readNumber(text);
    const std::optional<double> reference = random_test::sheetNumber(text);
    check(value.has_value() == reference.has_value(),
          "readNumber and the reference disagree on whether \"" + std::string(text) +
              "\" is a number");
    if (!value) {
        return;
    }
    check(!std::isnan(*value), "read as NaN: " + std::string(text));
    check(*value == *reference, "readNumber and the reference read \"" + std::string(text) +
                                    "\" as " + numberText(*value) + " and " +
                                    numberText(*reference));
    checkWritten(*value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkRead(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkWritten(raw);
    }
    return 0;
}
