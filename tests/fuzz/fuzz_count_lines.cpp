// The serial line splitter and count parser, fed in random pieces: it keeps
// a bounded buffer, and every count it gives is a whole line of the stream
// that is a count in range.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "acquisition/counts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int bits = 1 + data[0] % 24;
  const std::size_t piece = 1 + data[1];
  const std::string_view stream(reinterpret_cast<const char*>(data + 2), size - 2);

  acquisition::CountLines lines(bits, false);
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    const auto count = lines.feed(stream.substr(at, piece));
    if (lines.pending() > acquisition::CountLines::max_line) std::abort();
    if (count && (*count < 0 || *count > (1LL << bits) - 1)) std::abort();
    if (count && stream.find(std::to_string(*count)) == std::string_view::npos) std::abort();
  }
  if (const auto one = acquisition::parse_count(stream, bits)) {
    acquisition::raw_reading_of_count(*one, bits);
  }
  return 0;
}
