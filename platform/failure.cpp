#include "platform/failure.h"

#include <cmath>

namespace platform {

Failure overflow(std::string_view where) {
  return Failure("Dépassement de capacité : " + std::string(where) + ".");
}

Failure not_a_number(std::string_view where) {
  return Failure("Résultat non numérique : " + std::string(where) + ".");
}

Failure type_mismatch(std::string_view where) {
  return Failure("Type incompatible : " + std::string(where) + ".");
}

double checked(double value, std::string_view where) {
  if (std::isnan(value)) throw not_a_number(where);
  if (std::isinf(value)) throw overflow(where);
  return value;
}

}  // namespace platform
