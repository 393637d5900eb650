#include "app/number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

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
    double value = 0.0;
    auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        value = outOfRange(text);
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
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
    char buffer[400];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (error != std::errc()) {
        auto [generalEnd, generalError] = std::to_chars(buffer, buffer + sizeof buffer, value);
        (void)generalError;
        return std::string(buffer, generalEnd);
    }
    return std::string(buffer, end);
}
