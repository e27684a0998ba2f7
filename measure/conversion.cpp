#include "measure/conversion.h"

#include "platform/number_form.h"

namespace measure {

namespace {

template <typename T>
std::string binary_digits(T code) {
  using platform::whole_part;
  T r = whole_part(code);
  const bool negative = r < 0;
  if (negative) r = -r;
  std::string s;
  for (;;) {
    const T d = r - 2 * whole_part(r / 2);
    s.insert(s.begin(), platform::char_for_code(platform::round_half_even(d + 48)));
    if (!(r > 1)) break;
    r = whole_part(r / 2);
  }
  if (s.size() < 8) s.insert(0, platform::repeated(static_cast<double>(8 - s.size()), '0'));
  return negative ? "-" + s : s;
}

}  // namespace

Code code_of(const platform::Variant& raw_reading) {
  if (platform::is_single_precision(raw_reading)) {
    return {static_cast<double>(platform::to_single(raw_reading) / 256.0f), true};
  }
  return {platform::to_double(raw_reading) / 256.0, false};
}

std::string binary_text(const Code& code) {
  return code.single ? binary_digits(static_cast<float>(code.value)) : binary_digits(code.value);
}

std::string decimal_text(const Code& code, const std::string& separator) {
  return code.single ? platform::general_form(static_cast<float>(code.value), separator)
                     : platform::general_form(code.value, separator);
}

}  // namespace measure
