#pragma once

#include <string>

#include "platform/variant.h"

namespace measure {

// The converter code: RawReading / 256, in single precision when the reading
// came as a byte, a 16-bit integer or a single, in double precision otherwise.
struct Code {
  double value = 0;
  bool single = false;
};

Code code_of(const platform::Variant& raw_reading);

// The code's whole part in binary digits, most significant first, padded with
// "0" to eight; more digits when it has them; a negative code gets a minus
// sign before the digits of its magnitude.
std::string binary_text(const Code& code);

// The code in general number form: 7 significant digits in single precision,
// 15 in double.
std::string decimal_text(const Code& code, const std::string& separator);

}  // namespace measure
