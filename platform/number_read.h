#pragma once

#include <string>
#include <string_view>

namespace platform {

// Leading-number reading of a typed text. Blanks, tabs and line feeds count
// for nothing wherever they stand; then an optional sign, digits, at most one
// period, an optional exponent (E or e, optional sign, digits). Reading stops at
// the first character that cannot continue the number; no number reads as 0.
// The period is the separator whatever the locale: "2,5" reads as 2. A number
// beyond double range is an overflow failure; one too small for it reads as 0.
double leading_number(std::string_view text);

// The characters the leading-number reading takes from the text, blanks left
// out and the exponent letter as "e"; empty when no number starts the text.
std::string leading_number_text(std::string_view text);

// A number text in the user's locale, as the program writes it: optional
// blanks around, an optional sign, digits with the locale's separator, an
// optional exponent. Anything else is a failure.
double locale_number(std::string_view text, std::string_view separator);

}  // namespace platform
