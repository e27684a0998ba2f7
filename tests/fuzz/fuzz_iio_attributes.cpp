// The IIO attribute parsers: what they accept is consistent with what they
// were given.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "acquisition/counts.h"
#include "acquisition/iio_attributes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (const auto value = acquisition::parse_iio_integer(text)) {
    if (text.find_first_of("0123456789") == std::string_view::npos) std::abort();
    if (*value < 0 && text.find('-') == std::string_view::npos) std::abort();
  }
  if (const auto value = acquisition::parse_iio_decimal(text)) {
    if (!std::isfinite(*value)) std::abort();
  }
  if (const auto type = acquisition::parse_iio_type(text)) {
    if (type->bits < 1 || type->bits > 31) std::abort();
    acquisition::raw_reading_of_count(
        type->is_signed ? -(1LL << (type->bits - 1)) : (1LL << type->bits) - 1, type->bits);
  }
  return 0;
}
