#include "app/portable_decimal_text.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Seventeen significant digits tell any two doubles apart. A double above the subnormals holds
// every decimal of fifteen digits, so when its nearest fifteen read back, its shortest digits
// are those fifteen without their trailing zeros, and the search can start there.
constexpr int MostDigits = 17;
constexpr int DigitsEveryDoubleHolds = 15;

// The digits d1 d2 ... dn of d1.d2...dn times ten to the exponent.
struct Scientific {
    std::string digits;
    int exponent = 0;
};

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

// printf rounds exactly. Only the digits of its text are kept, so whatever decimal point the
// locale gives it does not matter.
std::string printedFixed(double value, int decimals) {
    std::string text(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.*f", decimals, value)),
                     '\0');
    std::snprintf(text.data(), text.size() + 1, "%.*f", decimals, value);
    return text;
}

// The decimal of `digits` significant digits nearest to a positive finite `magnitude`.
Scientific nearest(double magnitude, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, magnitude);
    const std::string printed(text);
    const auto e = printed.find('e');
    return {digitsOf(printed.substr(0, e)), std::atoi(printed.c_str() + e + 1)};
}

// Written without a decimal point, as digits and an exponent, a number reads the same in
// every locale.
double valueOf(const Scientific& decimal) {
    const int lastPlace = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
    return std::strtod((decimal.digits + "e" + std::to_string(lastPlace)).c_str(), nullptr);
}

// The next decimal above with as many digits. Only below a power of two can the nearest decimal
// read as another double while this one reads back, and none of those ends in 9 (the tests try
// every power of two), so no digit carries.
Scientific nextUp(Scientific decimal) {
    ++decimal.digits.back();
    return decimal;
}

// A decimal of `digits` digits that reads back to `magnitude`, if one does: the nearest, else
// the one just above it. At a power of two the doubles below lie twice as close as those
// above, so the nearest decimal may read as the double below while the next one above still
// reads as this one.
std::optional<Scientific> readingBack(double magnitude, int digits) {
    Scientific decimal = nearest(magnitude, digits);
    if (valueOf(decimal) < magnitude) {
        decimal = nextUp(decimal);
    }
    if (valueOf(decimal) != magnitude) {
        return std::nullopt;
    }
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    return decimal;
}

Scientific shortestScientific(double magnitude) {
    const int fewest = magnitude >= DBL_MIN ? DigitsEveryDoubleHolds : 1;
    for (int digits = fewest; digits < MostDigits; ++digits) {
        if (std::optional<Scientific> decimal = readingBack(magnitude, digits)) {
            return *decimal;
        }
    }
    return *readingBack(magnitude, MostDigits);
}

// A fraction's decimal in fixed notation, "0.0012" or "12.5": its digits reach past the point.
std::string fixedNotation(Scientific decimal) {
    // Appended piece by piece: GCC 12 at -O3 takes the joining of temporaries for an overlap.
    if (decimal.exponent < 0) {
        std::string text = "0.";
        text.append(static_cast<std::size_t>(-decimal.exponent - 1), '0');
        text.append(decimal.digits);
        return text;
    }
    decimal.digits.insert(decimal.digits.begin() + decimal.exponent + 1, '.');
    return decimal.digits;
}

std::string nonFinite(double value) {
    return std::string(std::signbit(value) ? "-" : "") + (std::isnan(value) ? "nan" : "inf");
}

} // namespace

namespace portable {

double decimalValue(std::string_view unsignedDecimal) {
    std::string digits;
    std::size_t places = 0;
    bool point = false;
    for (char c : unsignedDecimal) {
        if (c == '.') {
            point = true;
        } else {
            digits += c;
            places += point;
        }
    }
    return std::strtod((digits + "e-" + std::to_string(places)).c_str(), nullptr);
}

std::string shortestDecimal(double value) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    // Every digit of a whole number is shown, as std::to_chars shows them: of the texts as
    // short, the exact one is nearest. Those of a 64-bit integer's range, the numbers of the
    // sheet among them, are written without printf, whose floating-point path is slow.
    if (value == std::trunc(value)) {
        constexpr double IntegerLimit = 0x1p63;
        if (std::fabs(value) < IntegerLimit && !(value == 0 && std::signbit(value))) {
            return std::to_string(static_cast<long long>(value));
        }
        return printedFixed(value, 0);
    }
    std::string text = value < 0 ? "-" : "";
    text.append(fixedNotation(shortestScientific(std::fabs(value))));
    return text;
}

std::string fixedDecimal(double value, int decimals) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
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
