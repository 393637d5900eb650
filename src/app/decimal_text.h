#pragma once

// Doubles to decimal text and back, always with "." as the separator, never in the user's
// locale. Where the C++ library converts doubles itself (std::to_chars and std::from_chars for
// double, found when the build is configured) these use it; elsewhere they are the portable
// conversions of portable_decimal_text.h, which give the same texts and values.

#include <string>
#include <string_view>

// The double nearest to an unsigned decimal, digits with at most one "." ("12", "0.5", ".5");
// infinity beyond double's range and zero below its smallest number.
double decimalValue(std::string_view unsignedDecimal);

// The shortest text in fixed notation that reads back to `value`, of several as short the one
// nearest to it: "9.5", "0.30000000000000004", "-0.001". A whole number is written exactly,
// all its digits: 1e23 is "99999999999999991611392".
std::string shortestDecimal(double value);

// `value` rounded to `decimals` places (at most 60) as printf's "%.*f" rounds it in the "C"
// locale, a tie of the exact binary value to the even digit: "2.0", "-0.5".
std::string fixedDecimal(double value, int decimals);
