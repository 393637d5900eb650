#include "app/portable_decimal_text.h"

#include <cmath>
#include <cstddef>
#include <cstdio>

// Numbers are written with '.' whatever the locale, so {fmt} needs none of the C++ library's
// locales, which would make the WebAssembly module an eighth larger.
#define FMT_STATIC_THOUSANDS_SEPARATOR ','
#include <fast_float/fast_float.h>
#include <fmt/compile.h>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string digitsOf(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    return digits;
}

// printf rounds exactly, and its code is in the module already, where {fmt}'s exact rounding
// would add a tenth. Only the digits of its text are kept, so whatever decimal point the locale
// gives it does not matter.
std::string printedFixed(double value, int decimals) {
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

// {fmt} writes a double's shortest digits that read back as "12", "0.0015" or, when that is
// shorter, "1.5e-05" (a whole number only below 10^16); the sheet writes them all in fixed
// notation.
std::string fixedNotation(const std::string& shortest) {
    const std::size_t e = shortest.find('e');
    std::string digits = shortest.substr(0, e);
    std::size_t point = digits.find('.');
    if (point == std::string::npos) {
        point = digits.size();
    } else {
        digits.erase(point, 1);
    }
    const long digitsBeforePoint =
        static_cast<long>(point) + (e == std::string::npos ? 0 : std::stol(shortest.substr(e + 1)));
    if (digitsBeforePoint > 0) {
        if (static_cast<std::size_t>(digitsBeforePoint) < digits.size()) {
            digits.insert(static_cast<std::size_t>(digitsBeforePoint), 1, '.');
        }
        return digits;
    }
    // Appended piece by piece: GCC 12 at -O3 takes the joining of temporaries for an overlap.
    std::string text = "0.";
    text.append(static_cast<std::size_t>(-digitsBeforePoint), '0');
    text.append(digits);
    return text;
}

} // namespace

namespace portable {

double decimalValue(std::string_view unsignedDecimal) {
    double value = 0.0;
    fast_float::from_chars(unsignedDecimal.data(), unsignedDecimal.data() + unsignedDecimal.size(),
                           value, fast_float::chars_format::fixed);
    return value;
}

std::string shortestDecimal(double value) {
    // Every digit of a whole number is shown, as std::to_chars shows them: of the texts as
    // short, the exact one is nearest. Below 2^53 every whole number is a double, so the
    // shortest digits are already all of them.
    constexpr double EveryWholeNumber = 0x1p53;
    if (std::isfinite(value) && std::fabs(value) >= EveryWholeNumber) {
        return fixedDecimal(value, 0);
    }
    std::string text = std::signbit(value) ? "-" : "";
    const std::string shortest = fmt::format(FMT_COMPILE("{}"), std::fabs(value));
    text.append(std::isfinite(value) ? fixedNotation(shortest) : shortest);
    return text;
}

std::string fixedDecimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return shortestDecimal(value);
    }
    const std::string printed = printedFixed(value, decimals);
    const std::string digits = digitsOf(printed);
    const std::size_t wholeDigits = digits.size() - static_cast<std::size_t>(decimals);
    std::string text = printed.front() == '-' ? "-" : "";
    text.append(digits, 0, wholeDigits);
    if (decimals > 0) {
        text += '.';
        text.append(digits, wholeDigits);
    }
    return text;
}

} // namespace portable
