#include "app/number_text.h"

#include "app/decimal_text.h"

#include <cmath>

namespace {

constexpr double WholeNumberLimit = 1e15;
constexpr std::size_t ExactDigits = 15;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits with at most one ".", and at least one digit.
bool isUnsignedDecimal(std::string_view text) {
    bool digit = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

// Digits alone, few enough for a double to hold their number exactly: the sheet's usual
// texts ("4", "15", "0"), read without the general conversion and to the same value.
std::optional<double> shortWholeNumber(std::string_view digits) {
    if (digits.size() > ExactDigits) {
        return std::nullopt;
    }
    long long value = 0;
    for (char c : digits) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return static_cast<double>(value);
}

} // namespace

std::optional<double> readNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!isUnsignedDecimal(text)) {
        return std::nullopt;
    }
    if (std::optional<double> whole = shortWholeNumber(text)) {
        return negative ? -*whole : *whole;
    }
    const double value = decimalValue(text);
    return negative ? -value : value;
}

std::string numberText(double value) {
    if (value == 0.0) {
        return "0"; // never "-0"
    }
    // Whole numbers, nearly every number a sheet shows, are written the same without the
    // search for the shortest digits, several times faster. Below this limit a double holds
    // every whole number exactly, so no digit is lost.
    if (std::fabs(value) < WholeNumberLimit && value == std::trunc(value)) {
        return std::to_string(static_cast<long long>(value));
    }
    return shortestDecimal(value);
}
