#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace acquisition {

// A converter count of `bits` bits seen as the 8-bit converter the window
// shows: the count brought to 8 bits (whole part, toward minus infinity),
// times 256.
std::int32_t raw_reading_of_count(long long count, int bits);

// The count in a line from a board: decimal digits, blanks and a CR around
// them allowed, from 0 to 2^bits - 1. Anything else gives nothing.
std::optional<long long> parse_count(std::string_view line, int bits);

// Cuts a byte stream into lines and keeps the newest valid count. A line
// longer than `max_line` bytes is dropped up to its end, so the buffer stays
// bounded whatever arrives.
class CountLines {
 public:
  static constexpr std::size_t max_line = 4096;

  explicit CountLines(int bits, bool skip_first_line) : bits_(bits), skip_(skip_first_line) {}

  // Takes the bytes; returns the newest valid count among the lines they
  // complete, if any.
  std::optional<long long> feed(std::string_view bytes);

  std::size_t pending() const { return partial_.size(); }

 private:
  void end_line(std::optional<long long>& newest);

  int bits_;
  bool skip_;              // the first line after opening may be a fragment
  bool overlong_ = false;  // dropping the rest of a line that grew too long
  std::string partial_;
};

}  // namespace acquisition
