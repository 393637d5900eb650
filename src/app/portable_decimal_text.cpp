#include "app/portable_decimal_text.h"

#include <cmath>
#include <cstddef>
#include <fast_float/fast_float.h>
#include <fmt/format.h>

namespace {

// {fmt} writes a double's shortest digits that read back, as "0.0015" or, when that is
// shorter, as "1.5e-05"; the sheet writes them all in fixed notation. A fraction's digits
// reach past the point, so the point always falls among them or before them.
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
        return digits.insert(static_cast<std::size_t>(digitsBeforePoint), 1, '.');
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
    // short, the exact one is nearest.
    if (!std::isfinite(value) || value == std::trunc(value)) {
        return fmt::format("{:.0f}", value);
    }
    std::string text = value < 0 ? "-" : "";
    text.append(fixedNotation(fmt::format("{}", std::fabs(value))));
    return text;
}

std::string fixedDecimal(double value, int decimals) {
    return fmt::format("{:.{}f}", value, decimals);
}

} // namespace portable
