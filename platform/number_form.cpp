#include "platform/number_form.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "platform/failure.h"

namespace platform {

namespace {

// Decimal digits of |value| rounded to `digits` significant ones, trailing
// zeros dropped, and the decimal exponent of the first digit.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

template <typename T>
Decimal decimal_of(T magnitude, int digits) {
  std::array<char, 64> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                    std::chars_format::scientific, digits - 1);
  const std::string_view text(buf.data(), static_cast<std::size_t>(result.ptr - buf.data()));
  const std::size_t e = text.find('e');
  Decimal d;
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  d.exponent);
  return d;
}

// Digits placed around the separator at the given exponent.
std::string fixed_text(const Decimal& d, std::string_view separator) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < 0) {
    const int zeros = -d.exponent - 1;
    return "0" + std::string(separator) + std::string(static_cast<std::size_t>(zeros), '0') +
           d.digits;
  }
  if (count <= d.exponent + 1) {
    const int zeros = d.exponent + 1 - count;
    return d.digits + std::string(static_cast<std::size_t>(zeros), '0');
  }
  const int whole_digits = d.exponent + 1;
  const auto point = static_cast<std::size_t>(whole_digits);
  return d.digits.substr(0, point) + std::string(separator) + d.digits.substr(point);
}

template <typename T>
std::string general(T value, int digits, std::string_view separator) {
  checked(static_cast<double>(value), "mise en forme d'un nombre");
  if (value == 0) return "0";  // also for -0
  const Decimal d = decimal_of(std::fabs(value), digits);
  const int count = static_cast<int>(d.digits.size());
  const int places = d.exponent >= 0 ? std::max(0, count - 1 - d.exponent) : count - 1 - d.exponent;
  std::string text = value < 0 ? "-" : "";
  if (d.exponent < digits && places <= digits) {
    return text + fixed_text(d, separator);
  }
  text += fixed_text(Decimal{d.digits, 0}, separator);
  text += d.exponent < 0 ? "E-" : "E+";
  const int e = std::abs(d.exponent);
  if (e < 10) text += '0';
  return text + std::to_string(e);
}

}  // namespace

std::string general_form(double value, int digits, std::string_view separator) {
  return general(value, digits, separator);
}

std::string general_form(float value, std::string_view separator) {
  return general(value, 7, separator);
}

std::string general_form(double value, std::string_view separator) {
  return general(value, 15, separator);
}

std::string hex_form(double whole) {
  checked(whole, "forme hexadécimale");
  if (whole != std::floor(whole)) throw type_mismatch("forme hexadécimale d'un nombre non entier");
  const double magnitude = std::fabs(whole);
  if (magnitude >= 18446744073709551616.0) throw overflow("forme hexadécimale");
  const auto bits = static_cast<std::uint64_t>(magnitude);
  std::array<char, 17> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), bits, 16);
  std::string text(buf.data(), result.ptr);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return whole < 0 ? "-" + text : text;
}

double round_half_even(double value) {
  checked(value, "arrondi");
  // nearbyint follows the rounding mode, which the program never changes from
  // its default, to nearest with ties to even.
  return std::nearbyint(value);
}

double whole_part(double value) {
  return std::floor(value);
}
float whole_part(float value) {
  return std::floor(value);
}

char char_for_code(double code) {
  if (!(code >= 0 && code <= 255) || code != std::floor(code)) {
    throw Failure("Argument incorrect : aucun caractère n'a le code demandé.");
  }
  return static_cast<char>(static_cast<unsigned char>(code));
}

std::string repeated(double count, char c) {
  checked(count, "répétition d'un caractère");
  if (count < 0) throw Failure("Argument incorrect : nombre de caractères négatif.");
  if (count > 1e6) throw overflow("répétition d'un caractère");
  return std::string(static_cast<std::size_t>(count), c);
}

}  // namespace platform
