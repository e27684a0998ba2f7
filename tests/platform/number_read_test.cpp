#include "platform/number_read.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/failure.h"

namespace platform {
namespace {

TEST(LeadingNumber, Table) {
  const std::pair<const char*, double> cases[] = {
      {"2", 2},
      {"0", 0},
      {"2,5", 2},
      {"", 0},
      {"1 0", 10},
      {"\t1\n2\r", 12},
      {" -3.5e2x", -350},
      {"-5", -5},
      {"+7", 7},
      {".5", 0.5},
      {"-.25", -0.25},
      {"5.", 5},
      {"1.2.3", 1.2},
      {"1e", 1},
      {"1e+", 1},
      {"1E-2", 0.01},
      {"1 e 2", 100},
      {"2e3.5", 2000},
      {"2e1e1", 20},
      {"abc", 0},
      {"-", 0},
      {".", 0},
      {"--5", 0},
      {"e5", 0},
      {"&H10", 0},
      {"0x1A", 0},
      {"1d2", 1},
      {"12abc", 12},
      {"1e-400", 0},
      {"0.000000000000000000000000000001e-300", 0},
      {"000000000000000000000000000000000000000000001", 1},
      {"1.7976931348623157e308", 1.7976931348623157e308},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(leading_number(text), value) << text;
}

TEST(LeadingNumber, OverflowIsAFailure) {
  for (const char* text :
       {"1e400", "-1e309", "1000000000000000000000e300", "2e99999999999999999999"}) {
    EXPECT_THROW(leading_number(text), Failure) << text;
  }
}

TEST(LocaleNumber, ReadsWithTheLocaleSeparator) {
  EXPECT_EQ(locale_number("111", "."), 111);
  EXPECT_EQ(locale_number("111.5", "."), 111.5);
  EXPECT_EQ(locale_number("111,5", ","), 111.5);
  EXPECT_EQ(locale_number("-0,01", ","), -0.01);
  EXPECT_EQ(locale_number(" 7 ", "."), 7);
  EXPECT_EQ(locale_number("1,2E+15", ","), 1.2e15);
  EXPECT_EQ(locale_number("5,6789E-12", ","), 5.6789e-12);
}

TEST(LocaleNumber, AnythingElseIsAFailure) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "."},    {"abc", "."}, {"111,5", "."}, {"111.5", ","}, {"1.2.3", "."},
      {"1 0", "."}, {"1E", "."},  {"-", "."},     {"1e400", "."}, {"inf", "."},
  };
  for (const auto& [text, separator] : cases) {
    EXPECT_THROW(locale_number(text, separator), Failure) << text << " with " << separator;
  }
}

}  // namespace
}  // namespace platform
