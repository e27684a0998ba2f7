#pragma once

#include <string>
#include <string_view>

namespace platform {

// General number form: at most `digits` significant digits, rounded; no
// trailing zeros, no separator for whole values, a zero before the separator
// below 1, no grouping. Exponent form (1.2E+15, 5.6789E-12) once the magnitude
// reaches 10^digits or the fixed form would need more than `digits` places
// after the separator. A value that is not finite is a failure.
std::string general_form(double value, int digits, std::string_view separator);

// The same for single precision: 7 significant digits.
std::string general_form(float value, std::string_view separator);
// 15 significant digits.
std::string general_form(double value, std::string_view separator);

// Hexadecimal form of a whole number: upper-case digits, no prefix, no leading
// zeros, a minus sign before the magnitude of a negative number. A value that
// is not whole, or whose magnitude reaches 2^64, is a failure.
std::string hex_form(double whole);

// Nearest whole number, ties to even. A value that is not finite is a failure.
double round_half_even(double value);

// Largest whole number not greater than the value.
double whole_part(double value);
float whole_part(float value);

// The character with the given code (0 to 255); other codes are a failure.
char char_for_code(double code);

// `count` copies of `c`; a negative count is a failure.
std::string repeated(double count, char c);

}  // namespace platform
