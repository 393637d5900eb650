#include "random/sheet_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace random_test {

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<double> sheetNumber(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first])) {
        ++first;
    }
    while (last > first && blank(text[last - 1])) {
        --last;
    }
    const std::string body(text.substr(first, last - first));
    std::size_t start = !body.empty() && (body[0] == '+' || body[0] == '-') ? 1 : 0;
    int digits = 0;
    int points = 0;
    for (std::size_t i = start; i < body.size(); ++i) {
        if (body[i] >= '0' && body[i] <= '9') {
            ++digits;
        } else if (body[i] == '.') {
            ++points;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || points > 1) {
        return std::nullopt;
    }
    // strtod rounds correctly and gives HUGE_VAL beyond the range of a double.
    return std::strtod(body.c_str(), nullptr);
}

std::string shownNumber(double value) {
    std::vector<char> buffer(1200);
    if (std::trunc(value) == value) {
        std::snprintf(buffer.data(), buffer.size(), "%.0f", value == 0.0 ? 0.0 : value);
        return buffer.data();
    }
    for (int decimals = 1; decimals < 1100; ++decimals) {
        std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
        if (std::strtod(buffer.data(), nullptr) == value) {
            break;
        }
    }
    return buffer.data();
}

} // namespace random_test
