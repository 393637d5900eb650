#include "app/decimal_text.h"

#ifdef VEXOLAN_HAS_FLOAT_CHARCONV

#include <charconv>
#include <limits>

namespace {

// Long enough for any double in fixed notation with up to 60 places: a sign, the 309 digits of
// the largest and its places, or "0." with 307 zeros and 17 digits of the smallest's shortest.
constexpr std::size_t LongestText = 400;

// from_chars gives up on numbers beyond double's range; such a number is still a number.
double outOfRange(std::string_view digits) {
    for (char c : digits) {
        if (c == '.') {
            break;
        }
        if (c != '0') {
            return std::numeric_limits<double>::infinity();
        }
    }
    return 0.0;
}

std::string charsOf(char* begin, std::to_chars_result written) {
    return std::string(begin, written.ptr);
}

} // namespace

double decimalValue(std::string_view unsignedDecimal) {
    double value = 0.0;
    const char* end = unsignedDecimal.data() + unsignedDecimal.size();
    const auto read = std::from_chars(unsignedDecimal.data(), end, value, std::chars_format::fixed);
    return read.ec == std::errc::result_out_of_range ? outOfRange(unsignedDecimal) : value;
}

std::string shortestDecimal(double value) {
    char text[LongestText];
    return charsOf(text, std::to_chars(text, text + LongestText, value, std::chars_format::fixed));
}

std::string fixedDecimal(double value, int decimals) {
    char text[LongestText];
    return charsOf(
        text, std::to_chars(text, text + LongestText, value, std::chars_format::fixed, decimals));
}

#else

#include "app/portable_decimal_text.h"

double decimalValue(std::string_view unsignedDecimal) {
    return portable::decimalValue(unsignedDecimal);
}

std::string shortestDecimal(double value) {
    return portable::shortestDecimal(value);
}

std::string fixedDecimal(double value, int decimals) {
    return portable::fixedDecimal(value, decimals);
}

#endif
