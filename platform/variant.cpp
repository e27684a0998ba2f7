#include "platform/variant.h"

#include <cmath>
#include <limits>

#include "platform/failure.h"
#include "platform/number_read.h"

namespace platform {

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
          // A text converts only when it is one number, a period as separator.
          return locale_number(v, ".");
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
