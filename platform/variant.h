#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace platform {

// A dynamically typed value, as a late-bound call returns it.
using Variant = std::variant<std::monostate, std::uint8_t, std::int16_t, std::int32_t, float,
                             double, std::string>;

// Name of the value's type, in French, for messages.
const char* type_name(const Variant& value);

// Conversions to a number. An empty value, a text that is not a whole number
// text, or a value that is not finite is a failure; so is a value out of the
// range of single precision for to_single.
double to_double(const Variant& value);
float to_single(const Variant& value);

// True when arithmetic on the value is done in single precision: a byte, a
// 16-bit integer or a single.
bool is_single_precision(const Variant& value);

}  // namespace platform
