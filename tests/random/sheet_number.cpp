#include "random/sheet_number.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace random_test {

std::optional<double> sheetNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::string body(first == std::string_view::npos
                               ? std::string_view()
                               : text.substr(first, text.find_last_not_of(" \t") + 1 - first));
    const std::size_t start = body.starts_with('+') || body.starts_with('-') ? 1 : 0;
    const bool valid = body.find_first_not_of("0123456789.", start) == std::string::npos &&
                       body.find_first_of("0123456789") != std::string::npos &&
                       body.find('.') == body.rfind('.');
    // strtod rounds correctly and gives HUGE_VAL beyond the range of a double.
    return valid ? std::optional(std::strtod(body.c_str(), nullptr)) : std::nullopt;
}

std::string shownNumber(double value) {
    char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.0f", value == 0.0 ? 0.0 : value);
    for (int decimals = 1; std::trunc(value) != value && decimals < 1100; ++decimals) {
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        if (std::strtod(buffer, nullptr) == value)
            break;
    }
    return buffer;
}

} // namespace random_test
