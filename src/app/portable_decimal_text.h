#pragma once

// The conversions of decimal_text.h for a C++ library without floating-point std::to_chars
// and std::from_chars, such as the one the WebAssembly build is compiled with. fast_float reads,
// {fmt} writes the shortest digits and the C library's exactly rounded printf a given number of
// decimals, and they give what std::to_chars and std::from_chars give, text for text and bit
// for bit.

#include <string>
#include <string_view>

namespace portable {

double decimalValue(std::string_view unsignedDecimal);
std::string shortestDecimal(double value);
std::string fixedDecimal(double value, int decimals);

} // namespace portable
