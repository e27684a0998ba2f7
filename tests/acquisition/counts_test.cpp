#include "acquisition/counts.h"

#include <gtest/gtest.h>

#include <string>

namespace acquisition {
namespace {

TEST(RawReadingOfCount, BringsCountsToEightBits) {
  struct Case {
    long long count;
    int bits;
    std::int32_t raw;
  };
  const Case cases[] = {
      {0, 10, 0},        {1023, 10, 65280},
      {444, 10, 28416},  {3, 10, 0},
      {4, 10, 256},      {255, 8, 65280},
      {4095, 12, 65280}, {1776, 12, 28416},
      {15, 4, 61440},    {1, 1, 32768},
      {-1, 12, -256},    {-16, 12, -256},
      {-17, 12, -512},   {(1 << 24) - 1, 24, 65280},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(raw_reading_of_count(c.count, c.bits), c.raw) << c.count << " on " << c.bits;
  }
}

TEST(ParseCount, OnlyWholeCountsInRange) {
  const std::pair<const char*, std::optional<long long>> cases[] = {
      {"444", 444}, {" 444 \r", 444}, {"0", 0},    {"1023", 1023},  {"1024", {}},
      {"-1", {}},   {"+5", {}},       {"", {}},    {"\r", {}},      {"4 44", {}},
      {"44a", {}},  {"0x10", {}},     {"4.5", {}}, {"Arduino", {}}, {"99999999999999999999", {}},
  };
  for (const auto& [line, count] : cases) EXPECT_EQ(parse_count(line, 10), count) << line;
}

TEST(CountLines, SplitsSkipsAndKeepsTheNewest) {
  CountLines lines(10, true);
  EXPECT_EQ(lines.feed("3\r\n"), std::nullopt);  // the first line may be a fragment
  EXPECT_EQ(lines.feed("Bonjour\r\n100\r\n200\n"), 200);
  EXPECT_EQ(lines.feed("30"), std::nullopt);  // a partial line waits
  EXPECT_EQ(lines.pending(), 2u);
  EXPECT_EQ(lines.feed("0\r\n\r\n\n"), 300);
  EXPECT_EQ(lines.feed("5000\nabc\n"), std::nullopt);
  std::string burst;
  for (int i = 0; i < 1000; ++i) burst += std::to_string(i % 1024) + "\r\n";
  EXPECT_EQ(lines.feed(burst + "77\r\n12"), 77);
}

TEST(CountLines, AnOverlongLineIsDroppedAndTheBufferStaysBounded) {
  CountLines lines(10, false);
  const std::string long_line(CountLines::max_line + 1, '7');
  EXPECT_EQ(lines.feed(long_line), std::nullopt);
  EXPECT_EQ(lines.pending(), 0u);
  for (int i = 0; i < 1000; ++i) lines.feed(std::string(4096, '1'));  // 4 MB with no end
  EXPECT_LE(lines.pending(), CountLines::max_line);
  EXPECT_EQ(lines.feed("23\n"), std::nullopt);  // the end of the long line, not a count
  EXPECT_EQ(lines.feed("512\n"), 512);
  EXPECT_EQ(lines.feed(std::string(CountLines::max_line - 4, ' ') + "42\n"), 42);
}

}  // namespace
}  // namespace acquisition
