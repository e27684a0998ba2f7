#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The one failure type of the program. Its message is French and meant for the
// user: the handler of uncaught failures shows it as it stands.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& message) : std::runtime_error(message) {}
};

// The usual failures of arithmetic and conversion, with their French wording.
Failure overflow(std::string_view where);
Failure not_a_number(std::string_view where);
Failure type_mismatch(std::string_view where);

// Throws an overflow failure when value is infinite and a not-a-number failure
// when it is NaN; floating point raises neither by itself.
double checked(double value, std::string_view where);

}  // namespace platform
