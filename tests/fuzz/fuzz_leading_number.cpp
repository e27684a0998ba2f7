// The leading-number reading: what it takes is a number text that stands, in
// order, in the input, and its value is what from_chars makes of that text.

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/failure.h"
#include "platform/number_read.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string taken = platform::leading_number_text(text);

  // Every character taken comes from the text, in order (the exponent letter
  // may have been E).
  std::size_t at = 0;
  for (char c : taken) {
    while (at < text.size() && text[at] != c && !(c == 'e' && text[at] == 'E')) ++at;
    if (at == text.size()) std::abort();
    ++at;
  }

  double value = 0;
  try {
    value = platform::leading_number(text);
  } catch (const platform::Failure&) {
    return 0;  // beyond double range
  }
  if (taken.empty()) {
    if (value != 0) std::abort();
    return 0;
  }
  const char* begin = taken.data();
  const char* end = begin + taken.size();
  const bool negative = *begin == '-';
  if (*begin == '+' || *begin == '-') ++begin;
  double reference = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, reference);
  if (ec == std::errc{}) {
    if (ptr != end) std::abort();
    if ((negative ? -reference : reference) != value) std::abort();
  }
  return 0;
}
