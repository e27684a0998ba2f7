#include "acquisition/counts.h"

#include <charconv>
#include <cmath>

namespace acquisition {

std::int32_t raw_reading_of_count(long long count, int bits) {
  long long code = 0;
  if (bits >= 8) {
    const long long unit = 1LL << (bits - 8);
    code = count >= 0 ? count / unit : -((-count + unit - 1) / unit);
  } else {
    code = count * (1LL << (8 - bits));
  }
  return static_cast<std::int32_t>(code * 256);
}

std::optional<long long> parse_count(std::string_view line, int bits) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!line.empty() && blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && blank(line.back())) line.remove_suffix(1);
  if (line.empty() || line.size() > 12 || line.front() < '0' || line.front() > '9') return {};
  long long count = 0;
  const auto [ptr, ec] = std::from_chars(line.data(), line.data() + line.size(), count);
  if (ec != std::errc{} || ptr != line.data() + line.size()) return {};
  if (count > (1LL << bits) - 1) return {};
  return count;
}

void CountLines::end_line(std::optional<long long>& newest) {
  if (skip_) {
    skip_ = false;
  } else if (!overlong_) {
    if (const auto count = parse_count(partial_, bits_)) newest = count;
  }
  overlong_ = false;
  partial_.clear();
}

std::optional<long long> CountLines::feed(std::string_view bytes) {
  std::optional<long long> newest;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view piece = bytes.substr(0, end);
    if (!overlong_) {
      if (partial_.size() + piece.size() > max_line) {
        overlong_ = true;
        partial_.clear();
      } else {
        partial_.append(piece);
      }
    }
    if (end == std::string_view::npos) break;
    end_line(newest);
    bytes.remove_prefix(end + 1);
  }
  return newest;
}

}  // namespace acquisition
