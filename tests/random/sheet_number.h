#pragma once

// The test's own reading and writing of numbers in the sheet's texts, written apart from the
// program's so that the two can check each other.

#include <optional>
#include <string>
#include <string_view>

namespace random_test {

// Blanks (space, tab) around an optional sign, digits with at most one point and at least
// one digit; anything else is no number. A number too long for a double is infinite.
std::optional<double> sheetNumber(std::string_view text);

// A whole number without a point; a fraction with the fewest decimals that read back to
// the same double.
std::string shownNumber(double value);

} // namespace random_test
