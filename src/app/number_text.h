#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as the sheet's texts hold them: a decimal number with "." as the separator and
// an optional sign, blanks around it allowed; anything else is not a number. The reading
// never depends on the user's locale.
std::optional<double> readNumber(std::string_view text);

// A whole number without a decimal point, a fraction as the shortest decimal text that
// reads back to the same value ("9.5"); negative numbers with a leading "-".
std::string numberText(double value);
