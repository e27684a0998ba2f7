#pragma once

#include <optional>
#include <string_view>

namespace acquisition {

// Parsers of the text of Linux IIO sysfs attributes, independent of the C
// library's locale. Each takes the attribute's whole content (a trailing line
// feed allowed) and gives nothing on anything else.

// in_voltageN_raw, in_voltageN_offset when whole: a signed decimal integer.
std::optional<long long> parse_iio_integer(std::string_view text);

// in_voltageN_scale, in_voltageN_offset: a signed decimal number ("0.805664062").
std::optional<double> parse_iio_decimal(std::string_view text);

// scan_elements/in_voltageN_type, such as "le:u12/16>>4": the resolution in bits
// and whether the samples are signed.
struct IioType {
  int bits = 0;
  bool is_signed = false;
};
std::optional<IioType> parse_iio_type(std::string_view text);

}  // namespace acquisition
