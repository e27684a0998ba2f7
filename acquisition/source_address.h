#pragma once

#include <map>
#include <string>
#include <string_view>

#include "platform/failure.h"

namespace acquisition {

// A source named the way ORPHY_SOURCE names it: KIND[:TARGET][?KEY=VALUE&...].
struct SourceAddress {
  std::string kind;
  std::string target;
  std::map<std::string, std::string, std::less<>> options;
};

// Splits the text; a malformed one (an option without "=", a key given twice,
// an empty key) is a failure naming the bad part.
SourceAddress parse_source_address(std::string_view text);

// Typed option values, read without the C library's locale. A value that is
// not one whole number of the type is a failure naming the option.
double option_double(const SourceAddress& address, std::string_view key);
long long option_integer(const SourceAddress& address, std::string_view key, long long low,
                         long long high);

// Fails, naming the first option that is not among `known`.
void require_known_options(const SourceAddress& address,
                           std::initializer_list<std::string_view> known);

// The accepted forms, for error messages.
std::string accepted_forms();

// The failure for a bad ORPHY_SOURCE: what is wrong, then the accepted forms.
platform::Failure bad_address(const std::string& what);

}  // namespace acquisition
