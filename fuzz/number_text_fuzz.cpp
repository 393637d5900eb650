// Number texts: any text is read as a number exactly when it is a plain decimal (blanks
// around an optional sign, digits with at most one point), to the value the C library reads,
// and every finite number is written as a text that reads back to the same number.

#include "app/number_text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using fuzz::check;

bool plainDecimal(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return false;
    }
    std::string body = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    body.erase(0, body[0] == '+' || body[0] == '-');
    return body.find_first_of("0123456789") != std::string::npos &&
           body.find_first_not_of("0123456789.") == std::string::npos &&
           std::count(body.begin(), body.end(), '.') <= 1;
}

void checkWritten(double value) {
    const std::string shown = numberText(value);
    if (std::isfinite(value)) {
        check(readNumber(shown) == value, "does not read back: " + shown);
        check(shown.find_first_of("eE+ ") == std::string::npos, "not plain: " + shown);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = readNumber(text);
    check(value.has_value() == (plainDecimal(text) && text.find('\0') == std::string::npos),
          "read or refused wrongly: \"" + text + "\"");
    if (value) {
        check(*value == std::strtod(text.c_str(), nullptr), "read wrongly: \"" + text + "\"");
        checkWritten(*value);
    }
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkWritten(raw);
    }
    return 0;
}
