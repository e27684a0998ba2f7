#include "acquisition/iio_attributes.h"

#include <charconv>
#include <cmath>

#include "platform/failure.h"
#include "platform/number_read.h"

namespace acquisition {

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

bool digit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<long long> parse_iio_integer(std::string_view text) {
  text = trimmed(text);
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  if (begin == end || !(digit(*begin) || (*begin == '-' && begin + 1 != end && digit(begin[1])))) {
    return {};
  }
  long long value = 0;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc{} || ptr != end) return {};
  return value;
}

std::optional<double> parse_iio_decimal(std::string_view text) {
  try {
    return platform::locale_number(trimmed(text), ".");
  } catch (const platform::Failure&) {
    return {};
  }
}

std::optional<IioType> parse_iio_type(std::string_view text) {
  // [be|le]:[s|u]BITS/STORAGE[Xrepeat][>>SHIFT]
  text = trimmed(text);
  if (text.size() < 6 || !(text.starts_with("le:") || text.starts_with("be:"))) return {};
  IioType type;
  if (text[3] != 's' && text[3] != 'u') return {};
  type.is_signed = text[3] == 's';
  const char* begin = text.data() + 4;
  const char* end = text.data() + text.size();
  // Reads a whole number at `at`, leaving `at` after it.
  const auto number = [end](const char*& at, int& value) {
    const auto result = std::from_chars(at, end, value);
    at = result.ptr;
    return result.ec == std::errc{};
  };
  const char* at = begin;
  int storage = 0;
  if (!number(at, type.bits) || at == end || *at != '/') return {};
  ++at;
  if (!number(at, storage) || type.bits < 1 || type.bits > storage || storage > 64) return {};
  if (at != end && *at == 'X') {
    int repeat = 0;
    ++at;
    if (!number(at, repeat)) return {};
  }
  if (at != end) {
    if (end - at < 3 || at[0] != '>' || at[1] != '>') return {};
    at += 2;
    int shift = 0;
    if (!number(at, shift) || at != end || shift < 0 || shift >= storage) return {};
  }
  if (type.bits > 31) return {};
  return type;
}

}  // namespace acquisition
