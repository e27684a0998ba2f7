// The general number form and its reading back through the locale: the text
// read back is the value rounded to the stated digits, and writing it again
// gives the same text.

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "platform/failure.h"
#include "platform/number_form.h"
#include "platform/number_read.h"

namespace {

// The value rounded to `digits` significant digits, as a double; nothing
// when that decimal lies beyond double range (next to the largest double, or
// below the smallest).
template <typename T>
std::optional<double> rounded(T value, int digits) {
  std::array<char, 64> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                    std::chars_format::scientific, digits - 1);
  double back = 0;
  if (std::from_chars(buf.data(), result.ptr, back).ec != std::errc{}) return {};
  return back;
}

template <typename T>
void round_trip(T value, int digits, const char* separator) {
  if (!std::isfinite(value)) return;
  const std::string text = platform::general_form(value, digits, separator);
  const auto expected = rounded(value, digits);
  double back = 0;
  try {
    back = platform::locale_number(text, separator);
  } catch (const platform::Failure&) {
    if (expected) std::abort();  // only a decimal beyond the range may fail
    return;
  }
  if (!expected) {
    if (back != 0) std::abort();  // below the smallest double: read as zero
    return;
  }
  if (back != *expected) std::abort();
  if (platform::general_form(static_cast<T>(back), digits, separator) != text) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 9) return 0;
  const char* separator = data[0] % 2 ? "," : ".";
  double d = 0;
  std::memcpy(&d, data + 1, sizeof d);
  round_trip(d, 15, separator);
  float f = 0;
  std::memcpy(&f, data + 1, sizeof f);
  round_trip(f, 7, separator);
  return 0;
}
