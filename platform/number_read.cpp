#include "platform/number_read.h"

#include <charconv>
#include <string>

#include "platform/failure.h"

namespace platform {

namespace {

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}
bool is_ignored(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Converts a well-formed number text (sign, digits, period, exponent) with
// from_chars, telling overflow from underflow when it is out of range.
double convert(const std::string& number, std::string_view original) {
  if (number.empty()) return 0;
  const char* begin = number.data();
  const char* end = begin + number.size();
  const bool negative = *begin == '-';
  if (*begin == '+' || *begin == '-') ++begin;
  double value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Out of range one way or the other: see where the first significant digit
    // lands once the exponent is applied.
    const std::size_t e = number.find_first_of("eE");
    long long exponent = 0;
    if (e != std::string::npos) {
      const char* p = number.data() + e + 1;
      const bool minus = *p == '-';
      if (*p == '+' || *p == '-') ++p;
      for (; p != end && exponent < 100000; ++p) exponent = exponent * 10 + (*p - '0');
      if (minus) exponent = -exponent;
    }
    const std::string mantissa = number.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::size_t first = mantissa.find_first_of("123456789");
    const long long int_digits =
        static_cast<long long>(point == std::string::npos ? mantissa.size() : point);
    const long long magnitude = exponent + int_digits - static_cast<long long>(first) -
                                (point != std::string::npos && first > point ? 1 : 0);
    if (magnitude > 0) {
      throw overflow("le nombre « " + std::string(original) + " » est trop grand");
    }
    return negative ? -0.0 : 0.0;
  }
  if (ec != std::errc{} || ptr != end) {
    throw type_mismatch("le texte « " + std::string(original) + " » n'est pas un nombre");
  }
  return negative ? -value : value;
}

}  // namespace

std::string leading_number_text(std::string_view text) {
  std::string number;
  bool digits = false;
  bool point = false;
  bool in_exponent = false;
  std::size_t exponent_start = 0;  // where the exponent letter went in
  bool exponent_digits = false;
  for (char c : text) {
    if (is_ignored(c)) continue;
    if (is_digit(c)) {
      number += c;
      (in_exponent ? exponent_digits : digits) = true;
    } else if ((c == '+' || c == '-') &&
               (number.empty() || (in_exponent && number.size() == exponent_start + 1))) {
      number += c;
    } else if (c == '.' && !point && !in_exponent) {
      number += c;
      point = true;
    } else if ((c == 'e' || c == 'E') && digits && !in_exponent) {
      in_exponent = true;
      exponent_start = number.size();
      number += 'e';
    } else {
      break;
    }
  }
  // An exponent without digits is no exponent: what came before it is the value.
  if (in_exponent && !exponent_digits) number.resize(exponent_start);
  if (!digits) number.clear();
  return number;
}

double leading_number(std::string_view text) {
  return convert(leading_number_text(text), text);
}

double locale_number(std::string_view text, std::string_view separator) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && is_ignored(text[first])) ++first;
  while (last > first && is_ignored(text[last - 1])) --last;
  const std::string_view body = text.substr(first, last - first);

  std::string number;
  bool digits = false;
  bool point = false;
  bool exponent = false;
  bool well_formed = !body.empty();
  for (std::size_t i = 0; i < body.size() && well_formed;) {
    const char c = body[i];
    if (!separator.empty() && !point && !exponent && body.substr(i).starts_with(separator)) {
      number += '.';
      point = true;
      i += separator.size();
      continue;
    }
    if (is_digit(c)) {
      number += c;
      digits = digits || !exponent;
    } else if ((c == '+' || c == '-') && (i == 0 || (exponent && number.back() == 'e'))) {
      number += c;
    } else if ((c == 'e' || c == 'E') && digits && !exponent) {
      exponent = true;
      number += 'e';
    } else {
      well_formed = false;
    }
    ++i;
  }
  if (!well_formed || !digits || !is_digit(number.back())) {
    throw type_mismatch("le texte « " + std::string(text) + " » n'est pas un nombre");
  }
  return convert(number, text);
}

}  // namespace platform
