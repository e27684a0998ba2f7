#include "platform/variant.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/failure.h"

namespace platform {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A text converts only when, apart from surrounding blanks, it is one number
// with a period as decimal separator.
double text_to_double(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && is_blank(text[first])) ++first;
  while (last > first && is_blank(text[last - 1])) --last;
  const char* begin = text.data() + first;
  const char* end = text.data() + last;
  const char* digits = begin;
  if (digits != end && (*digits == '+' || *digits == '-')) ++digits;
  // from_chars would also take "inf" and "nan", which are no number texts.
  const bool starts_well = digits != end && ((*digits >= '0' && *digits <= '9') || *digits == '.');
  if (begin != end && *begin == '+') ++begin;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
  if (!starts_well || ptr != end || (ec != std::errc{} && ec != std::errc::result_out_of_range)) {
    throw type_mismatch("le texte « " + text + " » n'est pas un nombre");
  }
  if (ec == std::errc::result_out_of_range) {
    throw overflow("le texte « " + text + " » sort des nombres représentables");
  }
  return value;
}

}  // namespace

const char* type_name(const Variant& value) {
  static constexpr const char* names[] = {
      "vide", "octet", "entier 16 bits", "entier 32 bits", "simple précision", "double précision",
      "texte"};
  return names[value.index()];
}

double to_double(const Variant& value) {
  double result = std::visit(
      [](const auto& v) -> double {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          throw type_mismatch("valeur vide là où un nombre est attendu");
        } else if constexpr (std::is_same_v<T, std::string>) {
          return text_to_double(v);
        } else {
          return static_cast<double>(v);
        }
      },
      value);
  return checked(result, "lecture d'une valeur");
}

float to_single(const Variant& value) {
  const double d = to_double(value);
  if (std::fabs(d) > static_cast<double>(std::numeric_limits<float>::max())) {
    throw overflow("valeur hors de la simple précision");
  }
  return static_cast<float>(d);
}

bool is_single_precision(const Variant& value) {
  return std::holds_alternative<std::uint8_t>(value) ||
         std::holds_alternative<std::int16_t>(value) || std::holds_alternative<float>(value);
}

}  // namespace platform
