#include "platform/number_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "platform/failure.h"

namespace platform {
namespace {

struct DoubleCase {
  double value;
  const char* text;
};

TEST(GeneralForm, DoubleTable) {
  const DoubleCase cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {5.0, "5"},
      {111.0, "111"},
      {0.28, "0.28"},
      {-0.7, "-0.7"},
      {4.3, "4.3"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {2.0 / 3, "0.666666666666667"},
      {123456789012345.6, "123456789012346"},
      {999999999999999.0, "999999999999999"},
      {999999999999999.9, "1E+15"},
      {1e15, "1E+15"},
      {-1e15, "-1E+15"},
      {1.2e15, "1.2E+15"},
      {1e100, "1E+100"},
      {5.6789e-12, "5.6789E-12"},
      {1e-15, "0.000000000000001"},
      {1.5e-15, "1.5E-15"},
      {1e-16, "1E-16"},
      {0.000123456789012345, "1.23456789012345E-04"},
      {0.00123456789012, "0.00123456789012"},
      {8388607.99609375, "8388607.99609375"},
  };
  for (const auto& c : cases) EXPECT_EQ(general_form(c.value, "."), c.text) << c.value;
}

struct SingleCase {
  float value;
  const char* text;
};

TEST(GeneralForm, SingleTable) {
  const SingleCase cases[] = {
      {0.0f, "0"},
      {2.16f, "2.16"},
      {0.69f, "0.69"},
      {-0.01f, "-0.01"},
      {0.7f, "0.7"},
      {5.0f, "5"},
      {9999999.0f, "9999999"},
      {1e7f, "1E+07"},
      {1e8f, "1E+08"},
      {1.25e7f, "1.25E+07"},
      {1e-7f, "0.0000001"},
      {1.5e-7f, "1.5E-07"},
      {0.99609375f, "0.9960938"},
      {1.0f / 3, "0.3333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(general_form(c.value, "."), c.text) << c.value;
}

TEST(GeneralForm, UsesTheSeparatorGiven) {
  EXPECT_EQ(general_form(2.16f, ","), "2,16");
  EXPECT_EQ(general_form(-0.7, ","), "-0,7");
  EXPECT_EQ(general_form(1.2e15, ","), "1,2E+15");
  EXPECT_EQ(general_form(5.0, ","), "5");
  EXPECT_EQ(general_form(0.5, "\u066B"), "0\u066B5");
}

TEST(GeneralForm, RejectsValuesThatAreNotFinite) {
  EXPECT_THROW(general_form(std::numeric_limits<double>::quiet_NaN(), "."), Failure);
  EXPECT_THROW(general_form(std::numeric_limits<double>::infinity(), "."), Failure);
  EXPECT_THROW(general_form(-std::numeric_limits<float>::infinity(), "."), Failure);
}

// The C library's %G is an independent reference for the digits: where both
// write the fixed form the texts are equal; elsewhere both name the same
// decimal number.
template <typename T>
void compare_with_c_library(T value, int digits) {
  char reference[64];
  std::snprintf(reference, sizeof reference, "%.*G", digits, static_cast<double>(value));
  const std::string ours = general_form(value, digits, ".");
  const std::string ref(reference);
  if (ours.find('E') == std::string::npos && ref.find('E') == std::string::npos) {
    EXPECT_EQ(ours, ref) << value;
  } else {
    EXPECT_EQ(std::strtod(ours.c_str(), nullptr), std::strtod(reference, nullptr)) << value;
  }
}

TEST(GeneralForm, AgreesWithTheCLibraryOnRandomValues) {
  std::mt19937_64 random(20261211);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    compare_with_c_library(value, 15);
    compare_with_c_library(static_cast<float>(value), 7);
  }
  for (int code = 0; code <= 65535; code += 7) {
    compare_with_c_library(code / 256.0, 15);
    compare_with_c_library(static_cast<float>(code) / 256.0f, 7);
  }
}

TEST(HexForm, Table) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},      {1, "1"},
      {111, "6F"},   {255, "FF"},
      {256, "100"},  {-1, "-1"},
      {-255, "-FF"}, {4294967296.0, "100000000"},
      {-0.0, "0"},   {18446744073709549568.0, "FFFFFFFFFFFFF800"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(hex_form(value), text) << value;
}

TEST(HexForm, FailsOnWhatHasNoHexadecimalForm) {
  EXPECT_THROW(hex_form(0.5), Failure);
  EXPECT_THROW(hex_form(18446744073709551616.0), Failure);
  EXPECT_THROW(hex_form(-1e300), Failure);
  EXPECT_THROW(hex_form(std::numeric_limits<double>::quiet_NaN()), Failure);
}

TEST(RoundHalfEven, Table) {
  const std::pair<double, double> cases[] = {
      {0.5, 0},     {1.5, 2},     {2.5, 2},        {-0.5, 0}, {-1.5, -2},
      {110.5, 110}, {111.5, 112}, {111.4999, 111}, {2.6, 3},  {-2.6, -3},
  };
  for (const auto& [value, whole] : cases) EXPECT_EQ(round_half_even(value), whole) << value;
  EXPECT_THROW(round_half_even(std::numeric_limits<double>::infinity()), Failure);
}

TEST(WholePart, GoesTowardMinusInfinity) {
  EXPECT_EQ(whole_part(2.9), 2);
  EXPECT_EQ(whole_part(-2.5), -3);
  EXPECT_EQ(whole_part(-6.7999983f), -7.0f);
}

TEST(Characters, CodesAndRepeats) {
  EXPECT_EQ(char_for_code(48), '0');
  EXPECT_EQ(char_for_code(49), '1');
  EXPECT_THROW(char_for_code(256), Failure);
  EXPECT_THROW(char_for_code(-1), Failure);
  EXPECT_THROW(char_for_code(48.5), Failure);
  EXPECT_EQ(repeated(3, '0'), "000");
  EXPECT_EQ(repeated(0, '0'), "");
  EXPECT_THROW(repeated(-1, '0'), Failure);
}

}  // namespace
}  // namespace platform
